#pragma once

#include "platform/desktop.h"

#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <deque>
#include <functional>
#include <future>
#include <map>
#include <tuple>
#include <vector>

namespace test {

// A Desktop for tests: it records every request and answers from a script, so a test can
// drive a window end to end and then check what the program asked of the system.
class FakeDesktop : public platform::Desktop {
public:
    struct Message {
        QPointer<QWidget> parent;
        QString text;
        platform::MessageIcon icon;
        platform::MessageButtons buttons;
    };
    struct FileRequest {
        QPointer<QWidget> parent;
        platform::FileDialogOptions options;
    };
    using SettingKey = std::tuple<QString, QString, QString>; // application, section, name

    platform::MessageAnswer showMessage(QWidget* parent, const QString& text,
                                        platform::MessageIcon icon,
                                        platform::MessageButtons buttons) override;
    QString askOpenFile(QWidget* parent, const platform::FileDialogOptions& options) override;
    QString askSaveFile(QWidget* parent, const platform::FileDialogOptions& options) override;
    platform::PrintResult printDocument(QWidget* parent, QTextDocument& document) override;
    void openUrl(const QString& address) override;
    QString readSetting(const QString& application, const QString& section,
                        const QString& name) override;
    bool writeSetting(const QString& application, const QString& section, const QString& name,
                      const QString& value) override;
    QDateTime now() override;
    void seedRandom(quint32 seed) override;
    double random() override;
    bool claimSingleInstance(platform::ReadingReceiver receiver) override;
    platform::Handover handOverReading(const QByteArray& reading) override;
    std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes) override;
    QString userDataFolder() override;
    void writeToConsole(const QString& text, platform::ConsoleStream stream) override;

    // Every call by name, in the order made ("seedRandom", "random", ...).
    QStringList calls;

    // What was asked, in order.
    std::vector<Message> messages;
    std::vector<FileRequest> openRequests;
    std::vector<FileRequest> saveRequests;
    QStringList openedUrls;
    // The text of every document handed over for printing, and how many pages it had.
    QStringList printedTexts;
    std::vector<int> printedPageCounts;
    std::vector<SettingKey> settingWrites;
    std::vector<quint32> seeds;
    int randomDraws = 0;
    int instanceClaims = 0;
    // What went to the terminal, and the readings given to the running copy.
    QString consoleOutput;
    QString consoleErrors;
    QByteArrayList handedOverReadings;
    // Where the claim sends readings that later copies hand over: a test calls it as one would,
    // and then what it returns, as a later copy's confirmation would.
    platform::ReadingReceiver readingReceiver;

    // The script. A message with no scripted answer gets OK, or No for a Yes/No question; a
    // file dialog with none is cancelled; a draw with none gives 0.
    std::deque<platform::MessageAnswer> answers;
    std::deque<QString> openFileAnswers;
    std::deque<QString> saveFileAnswers;
    std::deque<double> randomValues;
    std::map<SettingKey, QString> settings;
    // While this has no value, file reads wait for it, as on a disk that has stopped answering.
    // Reads run off the GUI thread: set it before they start, answer it through its promise.
    std::shared_future<void> diskAnswers;
    bool settingsWritable = true;
    // The user's own files, in a folder of the test's that goes with it.
    QTemporaryDir userData;
    // The print dialog is confirmed unless told otherwise; the printer then fails on request.
    bool printChoice = true;
    bool printFails = false;
    QString printFailure;
    QDateTime clock = QDateTime(QDate(2024, 3, 15), QTime(10, 30));
    bool anotherCopyRunning = false;
    platform::Handover runningCopyAnswers = platform::Handover::Taken;

    // Runs while a message is "on screen", for tests that need to act at that moment.
    std::function<void(const Message&)> whileMessageShown;

    QStringList messageTexts() const;
};

} // namespace test
