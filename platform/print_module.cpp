// The printing module: everything that needs Qt's print support, loaded by the program only
// when the user prints.

#include "platform/print_module.h"
#include "platform/page_output.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include <type_traits>

namespace {

platform::PrintResult printWithDialog(QWidget* parent, QTextDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.metaInformation(QTextDocument::DocumentTitle));
    // Before the dialog, so that the user sees the margins and may change them.
    printer.setPageLayout(platform::withLetterMargins(printer.pageLayout()));
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    // Printing to a file is an export on the chosen paper: Qt's own PDF printer would leave a
    // half-written file behind on a full disk and say nothing.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        const QString reason =
            platform::writePdf(printer.outputFileName(), document, printer.pageLayout());
        return {.failed = !reason.isEmpty(), .reason = reason};
    }
    const bool printed =
        platform::printOnto(document, printer) && printer.printerState() != QPrinter::Error;
    return {.failed = !printed, .reason = {}};
}

} // namespace

extern "C" Q_DECL_EXPORT void fscPrintDocument(QWidget* parent, QTextDocument& document,
                                               platform::PrintResult& result) {
    result = printWithDialog(parent, document);
}

static_assert(std::is_same_v<decltype(&fscPrintDocument), platform::PrintEntryPoint>,
              "the program calls the module's entry point through this type");
