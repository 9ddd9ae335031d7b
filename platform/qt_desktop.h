#pragma once

#include "platform/desktop.h"

#include <QString>

#include <memory>
#include <random>

class QLibrary;

namespace platform {

class FileHandoverServer;
class InstanceLock;

// The program's title: every message box shows it instead of a caption of its own.
inline constexpr const char* kApplicationTitle = "VA Zuvo Dada Vuvizoreduror";

// Desktop as Qt provides it on the machine the program runs on.
class QtDesktop : public Desktop {
public:
    // Copies started from the same executable count as the same program, so the path of the
    // executable is what the single-instance claim is keyed by.
    explicit QtDesktop(QString executablePath);
    ~QtDesktop() override;

    MessageAnswer showMessage(QWidget* parent, const QString& text, MessageIcon icon,
                              MessageButtons buttons = MessageButtons::Ok) override;
    QString askOpenFile(QWidget* parent, const FileDialogOptions& options) override;
    QString askSaveFile(QWidget* parent, const FileDialogOptions& options) override;
    PrintResult printDocument(QWidget* parent, QTextDocument& document) override;
    void openUrl(const QString& address) override;
    QString readSetting(const QString& application, const QString& section,
                        const QString& name) override;
    bool writeSetting(const QString& application, const QString& section, const QString& name,
                      const QString& value) override;
    QDateTime now() override;
    void seedRandom(quint32 seed) override;
    double random() override;
    bool claimSingleInstance(ReadingReceiver receiver) override;
    Handover handOverReading(const QByteArray& reading) override;
    std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes) override;
    QString userDataFolder() override;
    void writeToConsole(const QString& text, ConsoleStream stream) override;

private:
    QString executablePath_;
    std::mt19937 generator_;
    std::unique_ptr<InstanceLock> instanceLock_;
    std::unique_ptr<FileHandoverServer> handoverServer_;
    std::unique_ptr<QLibrary> printModule_; // once loaded, it stays until the program ends
};

// Where the single-instance lock of the copies started from this executable lives: in the
// user's private runtime folder, so that one user's copy never blocks another user's. Empty
// when there is no such folder.
QString instanceLockPath(const QString& executablePath);

// The local socket (on Windows, the named pipe) through which later copies started from this
// executable hand a file to the running one; as per-user as the lock.
QString instanceSocketName(const QString& executablePath);

} // namespace platform
