// The handover on Windows: a named pipe made with the system's own calls. Pipe names share one
// namespace for all users of the machine and anyone can work ours out, so the running copy
// must be the first to serve the name, lets only its own user connect, and a later copy talks
// only to a server of its own user and never lets it act in its name. Qt's local socket does
// none of the three.

#include "platform/file_handover.h"
#include "platform/handle_win.h"

#include <QDeadlineTimer>
#include <QThread>
#include <QTimer>
#include <QWinEventNotifier>

#include <algorithm>
#include <utility>
#include <vector>

#include <windows.h>

namespace platform {
namespace {

// A busy pipe is waited for this long at a time by a later copy.
constexpr DWORD kBusyPipeWaitMs = 1000;
constexpr DWORD kPipeBufferBytes = 4096;
// How long the running copy waits before it tries again to make an instance the system refused.
constexpr int kInstanceRetryMs = 250;

// What the installer asks to tell whether the program runs: it asks the user to close it.
constexpr wchar_t kRunningMutexName[] = L"Local\\" FSC_RUNNING_MUTEX;

std::wstring pipePath(const QString& name) {
    return (QStringLiteral("\\\\.\\pipe\\") + name).toStdWString();
}

// The user a process's token stands for, as the bytes of its SID; empty when it cannot be read.
std::vector<BYTE> tokenUser(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) {
        return {};
    }
    const Handle owned(token);
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size == 0 || !GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        return {};
    }
    const PSID sid = reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid;
    const auto* bytes = static_cast<const BYTE*>(sid);
    return {bytes, bytes + GetLengthSid(sid)};
}

bool runsAsThisUser(DWORD processId) {
    const Handle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process.valid()) {
        return false;
    }
    const std::vector<BYTE> user = tokenUser(GetCurrentProcess());
    return !user.empty() && tokenUser(process.get()) == user;
}

// Security attributes that let the current user alone at the pipe: nobody else may connect or
// add an instance of their own to its name.
class UserOnlySecurity {
public:
    UserOnlySecurity() : sid_(tokenUser(GetCurrentProcess())) {
        if (sid_.empty()) {
            return;
        }
        acl_.resize(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + sid_.size());
        auto* acl = reinterpret_cast<ACL*>(acl_.data());
        valid_ = InitializeAcl(acl, static_cast<DWORD>(acl_.size()), ACL_REVISION) &&
                 AddAccessAllowedAce(acl, ACL_REVISION, GENERIC_ALL, sid_.data()) &&
                 InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) &&
                 SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE);
        attributes_ = {sizeof attributes_, &descriptor_, FALSE};
    }
    SECURITY_ATTRIBUTES* attributes() { return valid_ ? &attributes_ : nullptr; }

private:
    std::vector<BYTE> sid_;
    std::vector<BYTE> acl_;
    SECURITY_DESCRIPTOR descriptor_{};
    SECURITY_ATTRIBUTES attributes_{};
    bool valid_ = false;
};

// One overlapped operation on a pipe, with its own event. It must not be freed while the
// system may still write into it, so a pending one is cancelled and waited for first.
class Overlapped {
public:
    Overlapped() { overlapped_.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr); }
    ~Overlapped() { CloseHandle(overlapped_.hEvent); }
    Overlapped(const Overlapped&) = delete;
    Overlapped& operator=(const Overlapped&) = delete;

    OVERLAPPED* get() {
        const HANDLE event = overlapped_.hEvent;
        overlapped_ = {};
        overlapped_.hEvent = event;
        ResetEvent(event);
        pending_ = true;
        return &overlapped_;
    }
    HANDLE event() const { return overlapped_.hEvent; }
    // Whether the operation started; it then signals its event when done.
    bool started(BOOL result) {
        pending_ = result || GetLastError() == ERROR_IO_PENDING;
        return pending_;
    }
    // The bytes moved once the event has been signalled, or -1 for a failure.
    qint64 result(HANDLE file) {
        DWORD bytes = 0;
        const BOOL done = GetOverlappedResult(file, &overlapped_, &bytes, FALSE);
        pending_ = false;
        return done ? static_cast<qint64>(bytes) : -1;
    }
    void cancel(HANDLE file) {
        if (pending_) {
            CancelIoEx(file, &overlapped_);
            DWORD bytes = 0;
            GetOverlappedResult(file, &overlapped_, &bytes, TRUE);
            pending_ = false;
        }
    }

private:
    OVERLAPPED overlapped_{};
    bool pending_ = false;
};

// The later copy's end of the pipe, once the running copy has made one free, or nothing when
// none is free before the deadline. The server may identify the later copy but never act in its
// name.
HANDLE openPipe(const std::wstring& path, const QDeadlineTimer& deadline) {
    while (!deadline.hasExpired()) {
        const HANDLE pipe = CreateFileW(
            path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
            FILE_FLAG_OVERLAPPED | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr);
        if (pipe != INVALID_HANDLE_VALUE) {
            return pipe;
        }
        const auto left = static_cast<DWORD>(std::max<qint64>(deadline.remainingTime(), 1));
        if (GetLastError() == ERROR_PIPE_BUSY) {
            WaitNamedPipeW(path.c_str(), std::min<DWORD>(kBusyPipeWaitMs, left));
        } else {
            QThread::msleep(std::min<DWORD>(kHandoverRetryMs, left));
        }
    }
    return INVALID_HANDLE_VALUE;
}

// Waits for one operation of a later copy's own, with a limit.
qint64 waitFor(HANDLE pipe, Overlapped& operation, BOOL result, DWORD timeoutMs) {
    if (!operation.started(result)) {
        return -1;
    }
    if (WaitForSingleObject(operation.event(), timeoutMs) != WAIT_OBJECT_0) {
        operation.cancel(pipe);
        return -1;
    }
    return operation.result(pipe);
}

// One later copy's connection: it reads one message and answers. After a "taken" it waits for
// the confirmation; after a refusal, for the later copy to hang up, which tells that the answer
// has been read: closing at once could lose it.
class Connection : public QObject {
public:
    Connection(HANDLE pipe, const ReadingReceiver& receiver, FileHandoverServer* server)
        : QObject(server), pipe_(pipe), exchange_(receiver), notifier_(reading_.event()) {
        connect(&notifier_, &QWinEventNotifier::activated, this, &Connection::onRead);
        QTimer::singleShot(kHandoverReadTimeoutMs, this, &Connection::finish);
        startRead();
    }
    ~Connection() override {
        notifier_.setEnabled(false);
        reading_.cancel(pipe_.get());
        writing_.cancel(pipe_.get());
    }

private:
    void startRead() {
        if (!reading_.started(
                ReadFile(pipe_.get(), chunk_, sizeof chunk_, nullptr, reading_.get()))) {
            finish();
        }
    }

    void onRead() {
        const qint64 got = reading_.result(pipe_.get());
        if (got <= 0 || exchange_.finished()) {
            finish(); // hung up, failed, or done after its answer
            return;
        }
        const std::optional<char> answer = exchange_.add(QByteArrayView(chunk_, got));
        if (answer) {
            write(*answer);
        } else if (exchange_.finished()) {
            finish(); // confirmed: the reading is being shown
            return;
        }
        startRead();
    }

    // One byte into an empty pipe buffer.
    void write(char answer) {
        answer_ = answer;
        if (!writing_.started(WriteFile(pipe_.get(), &answer_, 1, nullptr, writing_.get()))) {
            finish();
        }
    }

    void finish() {
        notifier_.setEnabled(false);
        deleteLater();
    }

    Handle pipe_;
    HandoverExchange exchange_;
    Overlapped reading_;
    Overlapped writing_;
    QWinEventNotifier notifier_;
    char chunk_[kPipeBufferBytes];
    char answer_ = 0;
};

} // namespace

struct FileHandoverServer::Listening {
    std::wstring path;
    UserOnlySecurity security;
    Handle running{CreateMutexW(nullptr, FALSE, kRunningMutexName)};
    // The instance waiting for the next later copy.
    HANDLE waiting = INVALID_HANDLE_VALUE;
    Overlapped connecting;
    bool connectedEarly = false; // a later copy came before the instance was waited on
    std::unique_ptr<QWinEventNotifier> notifier;
    QTimer retry; // when no instance could be made, as when the system has none to spare
    int open = 0; // connections being heard

    ~Listening() {
        if (waiting != INVALID_HANDLE_VALUE) {
            connecting.cancel(waiting);
            CloseHandle(waiting);
        }
    }

    // A new instance of the pipe; the first one only if no one serves the name yet.
    bool addInstance(bool first) {
        const DWORD openMode =
            PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | (first ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0);
        waiting = CreateNamedPipeW(
            path.c_str(), openMode,
            PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS,
            kMaxOpenHandovers + 1, kPipeBufferBytes, kPipeBufferBytes, 0, security.attributes());
        if (waiting == INVALID_HANDLE_VALUE) {
            return false;
        }
        BOOL result = ConnectNamedPipe(waiting, connecting.get());
        if (!result && GetLastError() == ERROR_NO_DATA) {
            // A later copy came and went before this instance waited for it; the instance
            // itself is still good.
            DisconnectNamedPipe(waiting);
            result = ConnectNamedPipe(waiting, connecting.get());
        }
        if (!result && GetLastError() == ERROR_PIPE_CONNECTED) {
            connecting.started(TRUE);
            connectedEarly = true;
            SetEvent(connecting.event());
            return true;
        }
        if (!connecting.started(result)) {
            CloseHandle(std::exchange(waiting, INVALID_HANDLE_VALUE));
            return false;
        }
        return true;
    }
};

FileHandoverServer::FileHandoverServer(ReadingReceiver receiver) : receiver_(std::move(receiver)) {}

FileHandoverServer::~FileHandoverServer() {
    // The connections go first, without asking for the next instance as they would otherwise.
    const QList<QObject*> connections = findChildren<QObject*>(Qt::FindDirectChildrenOnly);
    for (QObject* connection : connections) {
        disconnect(connection, nullptr, this, nullptr);
    }
    qDeleteAll(connections);
}

bool FileHandoverServer::listen(const QString& name) {
    auto listening = std::make_unique<Listening>();
    listening->path = pipePath(name);
    if (!listening->security.attributes() || !listening->addInstance(true)) {
        return false;
    }
    Listening* state = listening.get();
    state->notifier = std::make_unique<QWinEventNotifier>(state->connecting.event());
    // The next instance for the next later copy; tried again a little later when the system
    // has none to give, so that one failed instance never ends the listening.
    const auto waitForNext = [state] {
        if (state->waiting != INVALID_HANDLE_VALUE || state->open >= kMaxOpenHandovers) {
            return;
        }
        if (state->addInstance(false)) {
            state->notifier->setEnabled(true);
        } else {
            state->retry.start();
        }
    };
    state->retry.setSingleShot(true);
    state->retry.setInterval(kInstanceRetryMs);
    connect(&state->retry, &QTimer::timeout, this, waitForNext);
    connect(state->notifier.get(), &QWinEventNotifier::activated, this, [this, state, waitForNext] {
        const bool early = std::exchange(state->connectedEarly, false);
        const bool connected = state->connecting.result(state->waiting) >= 0 || early;
        const HANDLE pipe = std::exchange(state->waiting, INVALID_HANDLE_VALUE);
        if (connected) {
            auto* connection = new Connection(pipe, receiver_, this);
            ++state->open;
            connect(connection, &QObject::destroyed, this, [state, waitForNext] {
                --state->open;
                waitForNext();
            });
        } else {
            CloseHandle(pipe);
        }
        state->notifier->setEnabled(false);
        waitForNext();
    });
    listening_ = std::move(listening);
    return true;
}

Handover handOverReading(const QString& serverName, const QByteArray& reading) {
    const QByteArray message = handoverMessage(reading);
    if (message.isEmpty()) {
        return Handover::Refused;
    }
    const QDeadlineTimer deadline(kHandoverDeadlineMs);
    const Handle pipe(openPipe(pipePath(serverName), deadline));
    if (!pipe.valid()) {
        return Handover::NoAnswer;
    }
    // A reading is told to this user's own copy only.
    ULONG serverProcess = 0;
    if (!GetNamedPipeServerProcessId(pipe.get(), &serverProcess) ||
        !runsAsThisUser(serverProcess)) {
        return Handover::NoAnswer;
    }
    Overlapped operation;
    const auto left = [&deadline] {
        return static_cast<DWORD>(std::max<qint64>(deadline.remainingTime(), 0));
    };
    const auto send = [&](QByteArrayView bytes) {
        for (qsizetype sent = 0; sent < bytes.size();) {
            const qint64 wrote = waitFor(pipe.get(), operation,
                                         WriteFile(pipe.get(), bytes.data() + sent,
                                                   static_cast<DWORD>(bytes.size() - sent), nullptr,
                                                   operation.get()),
                                         left());
            if (wrote <= 0) {
                return false;
            }
            sent += wrote;
        }
        return true;
    };
    char answer = 0;
    if (!send(message) ||
        waitFor(pipe.get(), operation, ReadFile(pipe.get(), &answer, 1, nullptr, operation.get()),
                left()) != 1) {
        return Handover::NoAnswer;
    }
    if (answer == kHandoverRefused) {
        return Handover::Refused;
    }
    // Hanging up without the confirmation tells the running copy not to show it.
    if (answer != kHandoverTaken || deadline.hasExpired() ||
        !send(QByteArrayView(&kHandoverConfirmed, 1))) {
        return Handover::NoAnswer;
    }
    // Closing a pipe may drop what the other end has not read yet, so the running copy closes
    // first, once it has the confirmation; it is not waited for past the deadline.
    waitFor(pipe.get(), operation, ReadFile(pipe.get(), &answer, 1, nullptr, operation.get()),
            left());
    return Handover::Taken;
}

} // namespace platform
