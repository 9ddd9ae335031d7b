#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

class QTextDocument;
class QWidget;

namespace platform {

enum class MessageIcon { Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };
enum class ConsoleStream { Output, Error };

// Where a saved reading that a later copy of the program hands over arrives: the bytes of its
// file, which the later copy has read, from a source as untrusted as any file. Called from the
// event loop; it says at once whether they are a reading it can open: nothing when they are
// not, and otherwise how to show it, which runs only once the later copy has heard the answer.
using ReadingReceiver = std::function<std::function<void()>(const QByteArray& reading)>;

// What became of a reading given to the running copy.
enum class Handover {
    Taken,    // the running copy shows it
    Refused,  // the running copy answered that it is no reading it can open
    NoAnswer, // no copy of this user listens, or it did not answer in time: it never shows it
};

// How a print ended: printed, or cancelled by the user (both need no word), or failed, with the
// system's reason where it gives one.
struct PrintResult {
    bool failed = false;
    QString reason;
};

struct FileDialogOptions {
    QString title;
    QString filter;        // in Qt's form, "Description (*.ext)"
    QString defaultSuffix; // appended when the user types a name without one
    bool confirmOverwrite = false;
    bool fileMustExist = false;
};

// Everything the program asks of the operating system. Windows talk to this, never to the
// system directly, so that every modal step can be scripted in tests.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal message box under the application title, with no caption of its own.
    virtual MessageAnswer showMessage(QWidget* parent, const QString& text, MessageIcon icon,
                                      MessageButtons buttons = MessageButtons::Ok) = 0;

    // The chosen path, or empty text when the user cancels.
    virtual QString askOpenFile(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual QString askSaveFile(QWidget* parent, const FileDialogOptions& options) = 0;

    // The print dialog; once the user confirms it, the document is printed on the chosen
    // printer and paper, or into the chosen file whole or not at all. Nothing happens on Cancel.
    virtual PrintResult printDocument(QWidget* parent, QTextDocument& document) = 0;

    // Hands an address to the user's browser; whether a browser starts is not our concern.
    virtual void openUrl(const QString& address) = 0;

    // The per-user store. A missing value reads as empty text; writing reports success only
    // once the value has reached the store.
    virtual QString readSetting(const QString& application, const QString& section,
                                const QString& name) = 0;
    virtual bool writeSetting(const QString& application, const QString& section,
                              const QString& name, const QString& value) = 0;

    virtual QDateTime now() = 0;

    virtual void seedRandom(quint32 seed) = 0;
    virtual double random() = 0; // in [0, 1)

    // True when this is the only running copy of the program; the claim lasts until the
    // Desktop is destroyed. A copy that died leaves no claim behind. While it lasts, readings
    // that later copies of the same user hand over go to the receiver.
    virtual bool claimSingleInstance(ReadingReceiver receiver) = 0;

    // Gives a saved reading, the bytes of its file, to the copy that holds the claim, and says
    // what that copy made of it.
    virtual Handover handOverReading(const QByteArray& reading) = 0;

    // Up to `maxBytes` of a regular file, or nothing for anything else (see readRegularFile).
    // A file on a disk that stops answering keeps it waiting, so it is never asked on the GUI
    // thread; it may be asked from any thread.
    virtual std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes) = 0;

    // The folder where the program keeps the user's own files, such as the copy of their
    // home's plan: one the user alone reads, made on first ask. Empty when none can be made.
    virtual QString userDataFolder() = 0;

    // Text for whoever started the program from a terminal: help, the version, what was wrong
    // with the command line. Where a program with windows has no terminal, it is shown instead.
    virtual void writeToConsole(const QString& text, ConsoleStream stream) = 0;
};

} // namespace platform
