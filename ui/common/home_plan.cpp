#include "ui/common/home_plan.h"

#include "platform/desktop.h"
#include "ui/common/program_settings.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace ui {
namespace {

const QString kHomePlanName = QStringLiteral("HomePlan");
const QString kSectors = QStringLiteral("sectors");
const QString kGrid = QStringLiteral("grid");

std::optional<double> numberIn(const QString& text, double lowest, double beyond) {
    bool ok = false;
    const double number = QLocale::c().toDouble(text, &ok);
    if (!ok || !(number >= lowest && number < beyond)) {
        return std::nullopt;
    }
    return number;
}

QString numberText(double number) {
    return QLocale::c().toString(number, 'f', QLocale::FloatingPointShortest);
}

} // namespace

std::optional<HomePlan> readHomePlan(platform::Desktop& desktop, const QString& application) {
    // "30 0.52 0.48 sectors"
    const QStringList parts = readProgramSetting(desktop, application, kHomePlanName)
                                  .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 4 || (parts[3] != kSectors && parts[3] != kGrid)) {
        return std::nullopt;
    }
    constexpr double kJustPastOne = 1.000001;
    const auto north = numberIn(parts[0], 0.0, 360.0);
    const auto across = numberIn(parts[1], 0.0, kJustPastOne);
    const auto down = numberIn(parts[2], 0.0, kJustPastOne);
    if (!north || !across || !down) {
        return std::nullopt;
    }
    return HomePlan{*north,
                    {std::min(*across, 1.0), std::min(*down, 1.0)},
                    parts[3] == kGrid ? HomePlan::Division::Grid : HomePlan::Division::Sectors};
}

bool writeHomePlan(platform::Desktop& desktop, const QString& application, const HomePlan& plan) {
    const QStringList parts = {numberText(plan.north), numberText(plan.centre.x()),
                               numberText(plan.centre.y()),
                               plan.division == HomePlan::Division::Grid ? kGrid : kSectors};
    return writeProgramSetting(desktop, application, kHomePlanName, parts.join(QLatin1Char(' ')));
}

void forgetHomePlan(platform::Desktop& desktop, const QString& application) {
    writeProgramSetting(desktop, application, kHomePlanName, QString());
    const QString path = keptPlanPath(desktop);
    if (!path.isEmpty()) {
        QFile::remove(path);
    }
}

QString keptPlanPath(platform::Desktop& desktop) {
    const QString folder = desktop.userDataFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("home-plan"));
}

} // namespace ui
