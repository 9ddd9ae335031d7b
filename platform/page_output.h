#pragma once

#include <QString>

class QPageLayout;
class QPagedPaintDevice;
class QTextDocument;

namespace platform {

// A kept page has the margins of a letter: 15 mm where the layout gives less (a PDF gives
// none); wider margins, the printer's own or the user's, stay.
QPageLayout withLetterMargins(QPageLayout layout);

// Prints a document page by page onto a printer or a PDF, its pages laid out on the device's
// printable area. False when the device would not take a page.
bool printOnto(QTextDocument& document, QPagedPaintDevice& device);

// Writes a document as a PDF on the given paper so that the file on disk is either the old one
// or the complete new one, never half of either. Empty text on success, otherwise the reason.
QString writePdf(const QString& path, QTextDocument& document, const QPageLayout& layout);

} // namespace platform
