#include "platform/page_output.h"

#include "platform/qt_desktop.h"
#include "platform/whole_file.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <algorithm>

namespace platform {

QPageLayout withLetterMargins(QPageLayout layout) {
    constexpr qreal kLetterMargin = 15; // millimetres
    const QMarginsF own = layout.margins(QPageLayout::Millimeter);
    layout.setUnits(QPageLayout::Millimeter);
    layout.setMinimumMargins(QMarginsF());
    layout.setMargins(
        QMarginsF(std::max(own.left(), kLetterMargin), std::max(own.top(), kLetterMargin),
                  std::max(own.right(), kLetterMargin), std::max(own.bottom(), kLetterMargin)));
    return layout;
}

bool printOnto(QTextDocument& document, QPagedPaintDevice& device) {
    // The document counts 96 units an inch; its pages are laid out on the device's printable
    // area and scaled onto the device's dots.
    const QSizeF points = device.pageLayout().paintRect(QPageLayout::Point).size();
    document.setPageSize(points * 96.0 / 72.0);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.scale(device.logicalDpiX() / 96.0, device.logicalDpiY() / 96.0);
    const QSizeF page = document.pageSize();
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0 && !device.newPage()) {
            return false;
        }
        painter.save();
        painter.translate(0, -i * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(QPointF(0, i * page.height()), page);
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

QString writePdf(const QString& path, QTextDocument& document, const QPageLayout& layout) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    bool drawn = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QString::fromLatin1(kApplicationTitle));
        writer.setPageLayout(layout);
        drawn = printOnto(document, writer);
    }
    // Only a complete page is committed; otherwise the old file stays as it was.
    if (!drawn) {
        file.cancelWriting();
        return QCoreApplication::translate("platform", "The page could not be drawn.");
    }
    return commitWholeFile(file);
}

} // namespace platform
