#include "platform/qt_desktop.h"

#include "platform/file_handover.h"
#include "platform/instance_lock.h"
#include "platform/local_files.h"
#include "platform/print_module.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>

#include <algorithm>
#include <cctype>
#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace platform {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    return icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons) {
    return buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                            : QMessageBox::StandardButtons(QMessageBox::Ok);
}

MessageAnswer answerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}

QString runFileDialog(QWidget* parent, const FileDialogOptions& options,
                      QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, options.title, QString(), options.filter);
    dialog.setAcceptMode(mode);
    dialog.setDefaultSuffix(options.defaultSuffix);
    dialog.setFileMode(options.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

QString settingKey(const QString& section, const QString& name) {
    return section + QLatin1Char('/') + name;
}

// A fresh QSettings per access: every read sees what the last write stored, and nothing is
// held open between two uses of the store. On Windows the values live where Windows programs
// have always kept a named value under an application name and a section, so that a setting
// written by an earlier Windows version of this program is found again; elsewhere in Qt's
// native per-user place.
QSettings userSettings(const QString& application) {
#ifdef Q_OS_WIN
    return QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") +
                         application,
                     QSettings::NativeFormat);
#else
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, application);
#endif
}

// Copies started from the same executable by the same user share one key.
QString instanceKey(const QString& executablePath) {
    const QByteArray identity =
        QFileInfo(executablePath).absoluteFilePath().toUtf8() + '\n' + runtimeFolder().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(identity, QCryptographicHash::Sha256);
    return QStringLiteral("fengshui-compatibility-") + QString::fromLatin1(hash.toHex().left(16));
}

#ifdef Q_OS_WIN
// A random secret of the user's own, made by the first copy that needs it and kept in the
// user's private folder, which nobody else may read; empty when none can be had. It appears
// whole or not at all: it is written under another name first and then given its own, which
// fails when a copy started at the same moment gave its own first.
QString userSecret() {
    const QDir folder(runtimeFolder());
    const QString path = folder.filePath(QStringLiteral("fengshui-compatibility.secret"));
    const auto valid = [](const QByteArray& secret) {
        return secret.size() == 32 &&
               std::ranges::all_of(secret, [](char c) { return std::isxdigit(c) != 0; });
    };
    for (int attempt = 0; attempt < 2; ++attempt) {
        QFile kept(path);
        if (kept.open(QIODevice::ReadOnly)) {
            const QByteArray secret = kept.read(64);
            if (valid(secret)) {
                return QString::fromLatin1(secret);
            }
            kept.close();
            kept.remove(); // damaged: made anew
        }
        quint32 random[4];
        QRandomGenerator::system()->fillRange(random);
        QTemporaryFile made(folder.filePath(QStringLiteral("fengshui-compatibility.XXXXXX")));
        if (made.open()) {
            made.write(QByteArray(reinterpret_cast<const char*>(random), sizeof random).toHex());
            made.close();
            if (made.rename(path)) {
                made.setAutoRemove(false);
            }
        }
    }
    return {};
}
#endif

// The printing module, where it is installed beside the program (and lies in the build tree).
QString printModulePath(const QString& executablePath) {
    return QDir::cleanPath(
        QFileInfo(executablePath).absoluteDir().filePath(QStringLiteral(FSC_PRINT_MODULE)));
}

// A program with windows has no terminal on Windows unless it was started from one that it
// could attach to, or with its output redirected (as QProcess does); Qt's command-line parser
// decides the same way.
bool hasConsole() {
#ifdef Q_OS_WIN
    if (GetConsoleWindow()) {
        return true;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    return (startup.dwFlags & STARTF_USESTDHANDLES) != 0;
#else
    return true;
#endif
}

} // namespace

QString instanceLockPath(const QString& executablePath) {
    const QString folder = runtimeFolder();
    return folder.isEmpty()
               ? QString()
               : QDir(folder).filePath(instanceKey(executablePath) + QStringLiteral(".lock"));
}

QString instanceSocketName(const QString& executablePath) {
#ifdef Q_OS_WIN
    // Named pipes share one namespace for all users, and the key is made of public facts: the
    // user's secret makes the name one that nobody else can work out and take first.
    const QString secret = userSecret();
    return secret.isEmpty() ? QString() : instanceKey(executablePath) + QLatin1Char('-') + secret;
#else
    const QString folder = runtimeFolder();
    return folder.isEmpty()
               ? QString()
               : QDir(folder).filePath(instanceKey(executablePath) + QStringLiteral(".socket"));
#endif
}

QtDesktop::QtDesktop(QString executablePath) : executablePath_(std::move(executablePath)) {}

QtDesktop::~QtDesktop() = default;

MessageAnswer QtDesktop::showMessage(QWidget* parent, const QString& text, MessageIcon icon,
                                     MessageButtons buttons) {
    QMessageBox box(boxIcon(icon), QString::fromLatin1(kApplicationTitle), text,
                    boxButtons(buttons), parent);
    return answerOf(box.exec());
}

QString QtDesktop::askOpenFile(QWidget* parent, const FileDialogOptions& options) {
    return runFileDialog(parent, options, QFileDialog::AcceptOpen);
}

QString QtDesktop::askSaveFile(QWidget* parent, const FileDialogOptions& options) {
    return runFileDialog(parent, options, QFileDialog::AcceptSave);
}

PrintResult QtDesktop::printDocument(QWidget* parent, QTextDocument& document) {
    // Printing lives in a module of its own, loaded on the first print, so that Qt's print
    // support is not loaded at every start for the few who print.
    if (!printModule_) {
        printModule_ = std::make_unique<QLibrary>(printModulePath(executablePath_));
    }
    const auto print =
        reinterpret_cast<PrintEntryPoint>(printModule_->resolve(kPrintEntryPointName));
    if (print == nullptr) {
        return {.failed = true,
                .reason = QCoreApplication::translate("platform",
                                                      "The printing module could not be loaded: %1")
                              .arg(printModule_->errorString())};
    }
    PrintResult result;
    print(parent, document, result);
    return result;
}

void QtDesktop::openUrl(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

QString QtDesktop::readSetting(const QString& application, const QString& section,
                               const QString& name) {
    return userSettings(application).value(settingKey(section, name)).toString();
}

bool QtDesktop::writeSetting(const QString& application, const QString& section,
                             const QString& name, const QString& value) {
    QSettings settings = userSettings(application);
    settings.setValue(settingKey(section, name), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QDateTime QtDesktop::now() {
    return QDateTime::currentDateTime();
}

void QtDesktop::seedRandom(quint32 seed) {
    generator_.seed(seed);
}

double QtDesktop::random() {
    // 53 random bits over 2^53: strictly below 1, which std::generate_canonical does not
    // promise on every library.
    const double high = static_cast<double>(generator_() >> 5);
    const double low = static_cast<double>(generator_() >> 6);
    return (high * 67108864.0 + low) / 9007199254740992.0;
}

bool QtDesktop::claimSingleInstance(ReadingReceiver receiver) {
    if (instanceLock_) {
        return true;
    }
    const QString path = instanceLockPath(executablePath_);
    // With nowhere safe to keep a lock the program still runs; it just cannot tell whether
    // another copy does.
    if (path.isEmpty()) {
        return true;
    }
    auto lock = std::make_unique<InstanceLock>(path);
    if (lock->state() != InstanceLock::State::Held) {
        // A lock that cannot be made at all (a full disk) says nothing of other copies: the
        // program then runs without the claim rather than claim that another copy runs.
        return lock->state() == InstanceLock::State::Unavailable;
    }
    instanceLock_ = std::move(lock);
    handoverServer_ = std::make_unique<FileHandoverServer>(std::move(receiver));
    if (!handoverServer_->listen(instanceSocketName(executablePath_))) {
        // A claim that no later copy can reach would only turn their files away; without it,
        // later copies run on their own.
        handoverServer_.reset();
        instanceLock_.reset();
        qWarning("Later copies of the program cannot reach this one; they will run on their own.");
    }
    return true;
}

Handover QtDesktop::handOverReading(const QByteArray& reading) {
    const QString name = instanceSocketName(executablePath_);
    return name.isEmpty() ? Handover::NoAnswer : platform::handOverReading(name, reading);
}

std::optional<QByteArray> QtDesktop::readRegularFile(const QString& path, qint64 maxBytes) {
    return platform::readRegularFile(path, maxBytes);
}

QString QtDesktop::userDataFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return {};
    }
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder;
}

void QtDesktop::writeToConsole(const QString& text, ConsoleStream stream) {
    if (!hasConsole()) {
        QMessageBox box(stream == ConsoleStream::Error ? QMessageBox::Warning
                                                       : QMessageBox::Information,
                        QString::fromLatin1(kApplicationTitle), text, QMessageBox::Ok);
        box.exec();
        return;
    }
    std::FILE* out = stream == ConsoleStream::Error ? stderr : stdout;
    std::fputs(text.toLocal8Bit().constData(), out);
    std::fflush(out);
}

} // namespace platform
