#include "ui/plan/plan_picture.h"

#include "platform/desktop.h"
#include "ui/common/beside_gui.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QSaveFile>

namespace ui {
namespace {

// A JPEG that ends before its last scan is complete still decodes, grey where the data stops.
// The end-of-image marker must follow the last start of a scan; inside a scan's data a marker
// byte is always escaped, so none can be found there by chance.
bool endsAsAJpegShould(const QByteArray& bytes) {
    return bytes.lastIndexOf(QByteArrayLiteral("\xFF\xD9")) >
           bytes.lastIndexOf(QByteArrayLiteral("\xFF\xDA"));
}


PlanPicture fault(PlanFault why) {
    PlanPicture picture;
    picture.fault = why;
    return picture;
}

} // namespace

void limitImageAllocation() {
    QImageReader::setAllocationLimit(kImageAllocationLimitMiB);
}

PlanPicture decodePlanPicture(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // The kind is read from the bytes, never from the name.
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg") {
        return fault(PlanFault::NotAPicture);
    }
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        return fault(PlanFault::Damaged);
    }
    if (static_cast<qint64>(size.width()) * size.height() > kLargestPlanPixels) {
        return fault(PlanFault::TooLarge);
    }
    if (format == "jpeg" && !endsAsAJpegShould(bytes)) {
        return fault(PlanFault::Damaged);
    }
    if (std::max(size.width(), size.height()) > kPlanLongestSide) {
        reader.setScaledSize(size.scaled(kPlanLongestSide, kPlanLongestSide, Qt::KeepAspectRatio));
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        return fault(PlanFault::Damaged);
    }
    // The one format the screen and the page draw fastest.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    return {PlanFault::None, std::move(image), size, bytes};
}

PlanPicture openPlanPicture(platform::Desktop& desktop, const QString& path, int deadlineMs) {
    limitImageAllocation();
    const auto opened = runBesideGui<PlanPicture>(
        [&desktop, path] {
            // One byte past the limit tells a file at the limit from a larger one.
            const std::optional<QByteArray> bytes =
                desktop.readRegularFile(path, kLargestPlanFileBytes + 1);
            if (!bytes || bytes->size() > kLargestPlanFileBytes) {
                return fault(PlanFault::Unreadable);
            }
            return decodePlanPicture(*bytes);
        },
        deadlineMs);
    return opened ? *opened : fault(PlanFault::TooLate);
}

QString keepPlanBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return {};
}

QString planFaultText(PlanFault why) {
    const char* text = nullptr;
    switch (why) {
    case PlanFault::None:
        return {};
    case PlanFault::Unreadable:
        text = QT_TRANSLATE_NOOP("ui::Plan", "This file cannot be read as a plan. Please choose a "
                                             "picture file of at most 64 MB on this computer.");
        break;
    case PlanFault::NotAPicture:
        text = QT_TRANSLATE_NOOP("ui::Plan", "This file is no PNG or JPEG picture. Please choose "
                                             "a picture of your home's plan.");
        break;
    case PlanFault::Damaged:
        text = QT_TRANSLATE_NOOP("ui::Plan", "This picture is damaged or incomplete. Please "
                                             "choose another copy of it.");
        break;
    case PlanFault::TooLarge:
        text = QT_TRANSLATE_NOOP("ui::Plan", "This picture is too large. Please choose a plan of "
                                             "at most 40 million pixels.");
        break;
    case PlanFault::TooLate:
        text = QT_TRANSLATE_NOOP("ui::Plan", "The picture did not arrive in time. Please copy "
                                             "it onto this computer and try again.");
        break;
    }
    return QCoreApplication::translate("ui::Plan", text);
}

} // namespace ui
