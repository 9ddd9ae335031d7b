#pragma once

#include "compass/house.h"
#include "engine/kua_number.h"

#include <QString>

#include <optional>

namespace platform {
class Desktop;
}

namespace ui {

// The program's values in the per-user store: under the name of its executable, as they always
// have been, in the section "Settings", name and value scrambled alike.
QString settingsApplication();
QString readProgramSetting(platform::Desktop& desktop, const QString& application,
                           const QString& name);
bool writeProgramSetting(platform::Desktop& desktop, const QString& application,
                         const QString& name, const QString& value);

// The user's choice of where a year starts; 1 March unless Li Chun was chosen.
engine::YearStart readYearStart(platform::Desktop& desktop, const QString& application);
bool writeYearStart(platform::Desktop& desktop, const QString& application,
                    engine::YearStart start);

// The facing of the user's home in degrees, kept until changed or forgotten; nothing when none
// is kept, or when what is kept is no facing (the store is the user's to edit by hand).
std::optional<double> readHomeFacing(platform::Desktop& desktop, const QString& application);
// The house that facing names, when it is clear of a line.
std::optional<compass::House> readHomeHouse(platform::Desktop& desktop, const QString& application);
// Keeps the facing, or forgets it for nothing.
bool writeHomeFacing(platform::Desktop& desktop, const QString& application,
                     std::optional<double> degrees);

} // namespace ui
