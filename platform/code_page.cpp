#include "platform/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

#ifdef Q_OS_WIN

std::string toCodePage(const QString& text) {
    QStringEncoder encoder(QStringConverter::System);
    const QByteArray bytes = encoder.encode(text);
    return bytes.toStdString();
}

QString fromCodePage(const std::string& bytes) {
    QStringDecoder decoder(QStringConverter::System);
    return decoder.decode(QByteArray::fromStdString(bytes));
}

#else

std::string toCodePage(const QString& text) {
    return text.toLatin1().toStdString();
}

QString fromCodePage(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

#endif

} // namespace platform
