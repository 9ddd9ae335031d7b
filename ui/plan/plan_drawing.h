#pragma once

#include "compass/house.h"
#include "compass/plan.h"
#include "engine/couple_reading.h"
#include "ui/common/advice_words.h"

#include <QDate>
#include <QImage>
#include <QPalette>
#include <QSizeF>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QFont;
class QPainter;
class QTextDocument;
class QTransform;

namespace ui {

// Whose eight sectors a plan shows: the house's, when its facing is known, and each partner's;
// each may be hidden.
struct PlanCharts {
    std::optional<std::array<compass::Sector, 8>> house;
    std::optional<std::array<compass::Sector, 8>> self;
    std::optional<std::array<compass::Sector, 8>> partner;
    CoupleNames names;
    bool showHouse = true;
    bool showSelf = true;
    bool showPartner = true;
};
PlanCharts planCharts(const engine::CoupleReading& reading,
                      const std::optional<compass::House>& house);

// A plan as drawn: its picture's size in the picture's pixels, where the home's centre is and
// where North points, and whether it is divided into eight sectors or a 3×3 grid.
struct PlanScene {
    QSizeF size;
    compass::PlanFrame frame;
    bool grid = false;
    PlanCharts charts;
};

// One region of the plan: a sector, or a grid cell, and the direction it takes (or the line it
// lies on), with what it holds for those shown.
struct PlanRegion {
    std::optional<compass::PlanDirection> direction; // nothing for the grid's middle cell
    compass::GridCell cell;                          // on a grid
};
// The regions in compass order: eight sectors, or the grid's nine cells row by row.
std::vector<PlanRegion> planRegions(const PlanScene& scene);
// The region a spot of the picture lies in; nothing at the centre of the sectors.
std::optional<PlanRegion> regionAt(const PlanScene& scene, compass::PlanPoint spot);

// What a region means, as a sentence: "North East: Five Ghosts for the house, Mishaps for
// Anna, Six Killings for Ben"; on a line, that it is; in the middle, that it is the centre.
QString regionText(const PlanScene& scene, const PlanRegion& region);
// What a screen reader hears of the plan: north, the centre, and every region.
QString describePlan(const PlanScene& scene);
// Where North points, as a sentence: "North is turned 30° clockwise from the plan's top."
QString northText(double north);

// The one painting routine of the plan's sectors and grid, on screen and on paper: vectors
// laid over the picture, mapped onto the device by `toDevice`. Each region is shaded green
// where every star shown there is favourable, red where every one is unfavourable, and holds
// its direction and each shown star marked + or −, so that colour is never the only cue. The
// texts are `font`'s size on the device at any zoom; `highlight` outlines one region.
void paintPlanOverlay(QPainter& painter, const PlanScene& scene, const QTransform& toDevice,
                      const QFont& font, const QPalette& palette,
                      std::optional<std::size_t> highlight = std::nullopt);

// The plan on a page of its own: a heading, the picture fitted to the paper with the sectors
// as vectors over it, and a legend with what each region holds.
std::unique_ptr<QTextDocument> planPage(const QImage& picture, const PlanScene& scene, QDate made);

} // namespace ui
