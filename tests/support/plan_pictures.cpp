#include "tests/support/plan_pictures.h"

#include <QBuffer>
#include <QPainter>
#include <QtEndian>

namespace test {

QImage simplePlan(QSize size) {
    QImage plan(size, QImage::Format_RGB32);
    plan.fill(Qt::white);
    QPainter painter(&plan);
    const double w = size.width();
    const double h = size.height();
    const double wall = std::max(2.0, w / 150);
    painter.setPen(QPen(Qt::black, wall));
    const QRectF outline(w * 0.06, h * 0.08, w * 0.88, h * 0.84);
    painter.drawRect(outline);
    painter.drawLine(QPointF(w * 0.47, outline.top()), QPointF(w * 0.47, h * 0.5));
    painter.drawLine(QPointF(outline.left(), h * 0.5), QPointF(w * 0.7, h * 0.5));
    painter.drawLine(QPointF(w * 0.7, h * 0.5), QPointF(w * 0.7, outline.bottom()));
    painter.drawLine(QPointF(w * 0.34, h * 0.5), QPointF(w * 0.34, outline.bottom()));
    painter.setPen(QPen(Qt::white, wall * 1.5));
    painter.drawLine(QPointF(w * 0.48, outline.bottom()), QPointF(w * 0.56, outline.bottom()));
    QFont font = painter.font();
    font.setPixelSize(std::max(8, size.height() / 22));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const auto room = [&](double x, double y, const char* name) {
        painter.drawText(QRectF(w * x, h * y, w * 0.3, h * 0.1), Qt::AlignCenter,
                         QString::fromLatin1(name));
    };
    room(0.12, 0.24, "Living room");
    room(0.55, 0.24, "Bedroom");
    room(0.05, 0.66, "Kitchen");
    room(0.37, 0.66, "Study");
    room(0.67, 0.66, "Bath");
    return plan;
}

QByteArray pictureFile(const QImage& picture, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return bytes;
}

namespace {

// The PNG's check sum of a chunk, bit by bit (ISO 3309).
quint32 crc32Of(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFU;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320U & (0U - (crc & 1U)));
        }
    }
    return ~crc;
}

void appendChunk(QByteArray& png, const char* type, const QByteArray& data) {
    char length[4];
    qToBigEndian(static_cast<quint32>(data.size()), length);
    png.append(length, 4);
    const QByteArray typed = QByteArray(type, 4) + data;
    png.append(typed);
    char crc[4];
    qToBigEndian(crc32Of(typed), crc);
    png.append(crc, 4);
}

} // namespace

QByteArray pngClaiming(quint32 width, quint32 height) {
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header(13, '\0');
    qToBigEndian(width, header.data());
    qToBigEndian(height, header.data() + 4);
    header[8] = 8; // bits per sample
    header[9] = 2; // colour: RGB
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", QByteArray::fromHex("789c030000000001"));
    appendChunk(png, "IEND", {});
    return png;
}

} // namespace test
