#pragma once

#include <QString>

#include <string>

namespace platform {

// Stored text is handled as bytes of the system's single-byte code page: the ANSI code page
// on Windows, Latin-1 elsewhere. A character the code page lacks becomes "?".
std::string toCodePage(const QString& text);
QString fromCodePage(const std::string& bytes);

} // namespace platform
