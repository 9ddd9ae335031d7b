#pragma once

#include <QPointF>
#include <QString>

#include <optional>

namespace platform {
class Desktop;
}

namespace ui {

// How the plan of the user's home lies under the compass, kept with the home's facing until
// the user forgets the home: how far North is turned clockwise from its
// top, where the home's centre is (as a share of the picture's width and height, so that it
// holds at any size the picture is drawn), and whether the plan is divided into sectors or a
// grid.
struct HomePlan {
    enum class Division { Sectors, Grid };
    double north = 0;
    QPointF centre{0.5, 0.5};
    Division division = Division::Sectors;

    friend bool operator==(const HomePlan&, const HomePlan&) = default;
};

// The kept plan; nothing when none is kept, or when what is kept is no plan (the store is the
// user's to edit by hand).
std::optional<HomePlan> readHomePlan(platform::Desktop& desktop, const QString& application);
bool writeHomePlan(platform::Desktop& desktop, const QString& application, const HomePlan& plan);
// Forgets the plan and removes the program's copy of its picture.
void forgetHomePlan(platform::Desktop& desktop, const QString& application);

// Where the program keeps its copy of the plan's picture, in the user's data folder; empty when
// there is none to keep it in. The copy is read as any picture from outside is, by its bytes.
QString keptPlanPath(platform::Desktop& desktop);

} // namespace ui
