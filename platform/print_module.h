#pragma once

#include "platform/desktop.h"

class QTextDocument;
class QWidget;

namespace platform {

// Printing is a module of its own, loaded on the first print (Qt's print support is a library
// that only printing needs). Its one entry point, found by this name, shows the print dialog
// and prints as Desktop::printDocument promises.
inline constexpr const char* kPrintEntryPointName = "fscPrintDocument";
using PrintEntryPoint = void (*)(QWidget* parent, QTextDocument& document, PrintResult& result);

} // namespace platform
