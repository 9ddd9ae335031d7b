#pragma once

#include "engine/kua_number.h"

#include <QString>

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

} // namespace ui
