#include "ui/common/program_settings.h"

#include "platform/code_page.h"
#include "platform/desktop.h"
#include "storage/scrambler.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace ui {
namespace {

const QString kSection = QStringLiteral("Settings");
const QString kYearStartName = QStringLiteral("YearStart");
const QString kLiChunValue = QStringLiteral("LiChun");
const QString kFirstOfMarchValue = QStringLiteral("March");
const QString kHomeFacingName = QStringLiteral("HomeFacing");

QString scrambled(const QString& text) {
    return platform::fromCodePage(storage::ScrambleText(platform::toCodePage(text)));
}

QString unscrambled(const QString& text) {
    return platform::fromCodePage(storage::UnscrambleText(platform::toCodePage(text)));
}

} // namespace

QString settingsApplication() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString readProgramSetting(platform::Desktop& desktop, const QString& application,
                           const QString& name) {
    return unscrambled(desktop.readSetting(application, kSection, scrambled(name)));
}

bool writeProgramSetting(platform::Desktop& desktop, const QString& application,
                         const QString& name, const QString& value) {
    return desktop.writeSetting(application, kSection, scrambled(name), scrambled(value));
}

engine::YearStart readYearStart(platform::Desktop& desktop, const QString& application) {
    return readProgramSetting(desktop, application, kYearStartName) == kLiChunValue
               ? engine::YearStart::LiChun
               : engine::YearStart::FirstOfMarch;
}

bool writeYearStart(platform::Desktop& desktop, const QString& application,
                    engine::YearStart start) {
    return writeProgramSetting(desktop, application, kYearStartName,
                               start == engine::YearStart::LiChun ? kLiChunValue
                                                                  : kFirstOfMarchValue);
}

std::optional<double> readHomeFacing(platform::Desktop& desktop, const QString& application) {
    bool ok = false;
    const double degrees =
        QLocale::c().toDouble(readProgramSetting(desktop, application, kHomeFacingName), &ok);
    if (ok && degrees >= 0.0 && degrees < 360.0) {
        return degrees;
    }
    return std::nullopt;
}

std::optional<compass::House> readHomeHouse(platform::Desktop& desktop,
                                            const QString& application) {
    const std::optional<double> facing = readHomeFacing(desktop, application);
    return facing ? compass::HouseAt(*facing) : std::nullopt;
}

bool writeHomeFacing(platform::Desktop& desktop, const QString& application,
                     std::optional<double> degrees) {
    return writeProgramSetting(
        desktop, application, kHomeFacingName,
        degrees ? QLocale::c().toString(*degrees, 'f', QLocale::FloatingPointShortest) : QString());
}

} // namespace ui
