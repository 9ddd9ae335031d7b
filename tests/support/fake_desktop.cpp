#include "tests/support/fake_desktop.h"

#include "platform/local_files.h"
#include "platform/page_output.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QTextDocument>

namespace test {
namespace {

template <typename T> T takeFront(std::deque<T>& queue, T fallback) {
    if (queue.empty()) {
        return fallback;
    }
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

} // namespace

platform::MessageAnswer FakeDesktop::showMessage(QWidget* parent, const QString& text,
                                                 platform::MessageIcon icon,
                                                 platform::MessageButtons buttons) {
    calls.append(QStringLiteral("showMessage"));
    messages.push_back({parent, text, icon, buttons});
    if (whileMessageShown) {
        whileMessageShown(messages.back());
    }
    const auto unanswered = buttons == platform::MessageButtons::YesNo
                                ? platform::MessageAnswer::No
                                : platform::MessageAnswer::Ok;
    return takeFront(answers, unanswered);
}

QString FakeDesktop::askOpenFile(QWidget* parent, const platform::FileDialogOptions& options) {
    calls.append(QStringLiteral("askOpenFile"));
    openRequests.push_back({parent, options});
    return takeFront(openFileAnswers, QString());
}

platform::PrintResult FakeDesktop::printDocument(QWidget* /*parent*/, QTextDocument& document) {
    calls.append(QStringLiteral("printDocument"));
    if (!printChoice) {
        return {};
    }
    printedTexts.append(document.toPlainText());
    // Laid out and printed as on a printer with A4 paper, into a PDF nobody keeps.
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter printer(&sink);
    printer.setPageLayout(platform::withLetterMargins(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {})));
    const bool printed = platform::printOnto(document, printer) && !printFails;
    printedPageCounts.push_back(document.pageCount());
    return {.failed = !printed, .reason = printed ? QString() : printFailure};
}

QString FakeDesktop::askSaveFile(QWidget* parent, const platform::FileDialogOptions& options) {
    calls.append(QStringLiteral("askSaveFile"));
    saveRequests.push_back({parent, options});
    return takeFront(saveFileAnswers, QString());
}

void FakeDesktop::openUrl(const QString& address) {
    calls.append(QStringLiteral("openUrl"));
    openedUrls.append(address);
}

QString FakeDesktop::readSetting(const QString& application, const QString& section,
                                 const QString& name) {
    calls.append(QStringLiteral("readSetting"));
    const auto found = settings.find({application, section, name});
    return found == settings.end() ? QString() : found->second;
}

bool FakeDesktop::writeSetting(const QString& application, const QString& section,
                               const QString& name, const QString& value) {
    calls.append(QStringLiteral("writeSetting"));
    settingWrites.emplace_back(application, section, name);
    if (!settingsWritable) {
        return false;
    }
    settings[{application, section, name}] = value;
    return true;
}

QDateTime FakeDesktop::now() {
    calls.append(QStringLiteral("now"));
    return clock;
}

void FakeDesktop::seedRandom(quint32 seed) {
    calls.append(QStringLiteral("seedRandom"));
    seeds.push_back(seed);
}

double FakeDesktop::random() {
    calls.append(QStringLiteral("random"));
    ++randomDraws;
    return takeFront(randomValues, 0.0);
}

bool FakeDesktop::claimSingleInstance(platform::ReadingReceiver receiver) {
    calls.append(QStringLiteral("claimSingleInstance"));
    ++instanceClaims;
    if (anotherCopyRunning) {
        return false;
    }
    readingReceiver = std::move(receiver);
    return true;
}

platform::Handover FakeDesktop::handOverReading(const QByteArray& reading) {
    calls.append(QStringLiteral("handOverReading"));
    handedOverReadings.append(reading);
    return runningCopyAnswers;
}

// Not recorded in the calls: it runs off the GUI thread.
std::optional<QByteArray> FakeDesktop::readRegularFile(const QString& path, qint64 maxBytes) {
    if (diskAnswers.valid()) {
        diskAnswers.wait();
    }
    return platform::readRegularFile(path, maxBytes);
}

QString FakeDesktop::userDataFolder() {
    calls.append(QStringLiteral("userDataFolder"));
    return userData.isValid() ? userData.path() : QString();
}

void FakeDesktop::writeToConsole(const QString& text, platform::ConsoleStream stream) {
    calls.append(QStringLiteral("writeToConsole"));
    (stream == platform::ConsoleStream::Error ? consoleErrors : consoleOutput) += text;
}

QStringList FakeDesktop::messageTexts() const {
    QStringList texts;
    for (const Message& message : messages) {
        texts.append(message.text);
    }
    return texts;
}

} // namespace test
