#include "ui/plan/plan_decoding.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>

namespace ui {
namespace {

// A JPEG that ends before its last scan is complete still decodes, grey where the data stops.
// The end-of-image marker must follow the last start of a scan; inside a scan's data a marker
// byte is always escaped, so none can be found there by chance.
bool endsAsAJpegShould(const QByteArray& bytes) {
    return bytes.lastIndexOf(QByteArrayLiteral("\xFF\xD9")) >
           bytes.lastIndexOf(QByteArrayLiteral("\xFF\xDA"));
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
        return refusedPicture(PlanFault::NotAPicture);
    }
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        return refusedPicture(PlanFault::Damaged);
    }
    if (static_cast<qint64>(size.width()) * size.height() > kLargestPlanPixels) {
        return refusedPicture(PlanFault::TooLarge);
    }
    if (format == "jpeg" && !endsAsAJpegShould(bytes)) {
        return refusedPicture(PlanFault::Damaged);
    }
    // Halved until it fits: a JPEG then decodes straight at that size, never whole.
    QSize held = size;
    while (std::max(held.width(), held.height()) > kPlanLongestSide) {
        held = QSize((held.width() + 1) / 2, (held.height() + 1) / 2);
    }
    if (held != size) {
        reader.setScaledSize(held);
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        return refusedPicture(PlanFault::Damaged);
    }
    // The one format the screen and the page draw fastest.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    return {PlanFault::None, std::move(image), size, bytes};
}

} // namespace ui
