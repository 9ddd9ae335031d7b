// The random-input test: the whole program, run in-process on the offscreen platform, gets
// random keys, clicks, close requests and clipboard changes from a fixed seed, for as long as
// MONKEY_SECONDS says (60 by default). The Desktop is the scripted one of the tests, so every
// message box and file dialog is answered without a human. When the program ends it is
// started again. Built with AddressSanitizer and UndefinedBehaviorSanitizer, a crash or a
// sanitizer report ends the run with a failure; so does a hang, found by a watchdog thread.

#include "shell/application.h"
#include "tests/support/fake_desktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string_view>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};

// Typing, moving about, pasting, and the access keys of every window (Alt plus the letter).
const Key kKeys[] = {
    {Qt::Key_A, Qt::NoModifier, "A"},
    {Qt::Key_Z, Qt::ShiftModifier, "Shift+Z"},
    {Qt::Key_1, Qt::NoModifier, "1"},
    {Qt::Key_Space, Qt::NoModifier, "Space"},
    {Qt::Key_At, Qt::NoModifier, "@"},
    {Qt::Key_Period, Qt::NoModifier, "."},
    {Qt::Key_Tab, Qt::NoModifier, "Tab"},
    {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
    {Qt::Key_Return, Qt::NoModifier, "Return"},
    {Qt::Key_Escape, Qt::NoModifier, "Escape"},
    {Qt::Key_Up, Qt::NoModifier, "Up"},
    {Qt::Key_Down, Qt::NoModifier, "Down"},
    {Qt::Key_Left, Qt::NoModifier, "Left"},
    {Qt::Key_Right, Qt::NoModifier, "Right"},
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Delete, Qt::NoModifier, "Delete"},
    {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
    {Qt::Key_Insert, Qt::ShiftModifier, "Shift+Insert"},
    {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
    {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
    {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    {Qt::Key_F, Qt::AltModifier, "Alt+F"},
    {Qt::Key_O, Qt::AltModifier, "Alt+O"},
    {Qt::Key_H, Qt::AltModifier, "Alt+H"},
    {Qt::Key_D, Qt::AltModifier, "Alt+D"},
    {Qt::Key_S, Qt::AltModifier, "Alt+S"},
    {Qt::Key_B, Qt::AltModifier, "Alt+B"},
    {Qt::Key_X, Qt::AltModifier, "Alt+X"},
    {Qt::Key_N, Qt::AltModifier, "Alt+N"},
    {Qt::Key_P, Qt::ControlModifier, "Ctrl+P"},
};

// A positive whole number from the environment, or the fallback when it is not set. Anything
// else ends the run: a run that quietly took "abc" for 0 would report no findings of nothing.
int settingFrom(const char* name, int fallback) {
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return fallback;
    }
    const std::string_view text(value);
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number <= 0) {
        std::fprintf(stderr, "monkey: %s must be a positive whole number, not \"%s\"\n", name,
                     value);
        std::exit(2);
    }
    return number;
}

// Ends the run with what was found; the log's tail shows how the program got there.
[[noreturn]] void finding(const char* what) {
    std::printf("finding: %s\n", what);
    std::fflush(stdout);
    std::abort();
}

class Monkey : public QObject {
public:
    Monkey(unsigned seed, Clock::time_point end) : random_(seed), end_(end) {
        files_ = {QString(), dir_.filePath(QStringLiteral("reading.fsc")),
                  dir_.filePath(QStringLiteral("garbage.fsc")),
                  dir_.filePath(QStringLiteral("missing/reading.fsc")), dir_.path()};
        QFile garbage(files_[2]);
        if (garbage.open(QIODevice::WriteOnly)) {
            garbage.write("\xff\xfe\x00 not a reading \r\n\r\n-32768\r\n", 31);
        }
    }

    // One life of the program, from start-up until it ends or the time is up.
    void runOnce() {
        auto owned = std::make_unique<test::FakeDesktop>();
        desktop_ = owned.get();
        shell::Application application(std::move(owned));
        application_ = &application;
        if (application.StartUp()) {
            scheduleNext();
            QApplication::exec();
        }
        application_ = nullptr;
        std::printf("normal end after %lu actions\n", actions_);
        std::fflush(stdout);
    }

    bool timeIsUp() const { return Clock::now() >= end_; }
    std::atomic<unsigned long>& heartbeat() { return heartbeat_; }

private:
    template <typename T> T pick(const std::vector<T>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random_)];
    }
    int chance() { return std::uniform_int_distribution<int>(0, 99)(random_); }

    // Qt never fires a timer again while its handler runs, and an action may open a modal
    // dialog whose event loop runs inside the handler; so every action first asks for the
    // next one with a timer of its own, which the dialog's loop then delivers.
    void scheduleNext() {
        QTimer::singleShot(0, this, [this] { act(); });
    }

    void act() {
        ++heartbeat_;
        ++actions_;
        if (timeIsUp()) {
            application_->ExitProgram();
            return;
        }
        scheduleNext();
        scriptFileDialogs();
        QWidget* target = targetWindow();
        if (target == nullptr) {
            // Nothing on screen, yet not ended: a user could neither see nor end the program.
            if (!application_->hasEnded()) {
                finding("the program runs with no window shown");
            }
            return;
        }
        const int roll = chance();
        if (roll < 58) {
            pressKey(target);
        } else if (roll < 86) {
            click(target);
        } else if (roll < 96) {
            changeClipboard();
        } else if (roll < 98) {
            handOverReading();
        } else {
            std::printf("close %s\n", qPrintable(target->objectName()));
            target->close();
        }
        std::fflush(stdout);
    }

    // A popup or a modal dialog takes the input while it is up, as it does for a user.
    static QWidget* targetWindow() {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            return popup;
        }
        if (QWidget* modal = QApplication::activeModalWidget()) {
            return modal;
        }
        std::vector<QWidget*> shown;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->windowType() != Qt::ToolTip) {
                shown.push_back(window);
            }
        }
        return shown.empty() ? nullptr : shown.back();
    }

    void pressKey(QWidget* window) {
        const Key& key =
            kKeys[std::uniform_int_distribution<std::size_t>(0, std::size(kKeys) - 1)(random_)];
        QWidget* focus = QApplication::focusWidget();
        QWidget* receiver = focus != nullptr && focus->window() == window ? focus : window;
        std::printf("key %s to %s\n", key.name, qPrintable(receiver->objectName()));
        QTest::keyClick(receiver, key.key, key.modifiers);
    }

    void click(QWidget* window) {
        std::vector<QWidget*> reachable{window};
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->isVisible() && child->isEnabled()) {
                reachable.push_back(child);
            }
        }
        QWidget* widget = pick(reachable);
        const QRect area = widget->rect();
        const QPoint spot(
            std::uniform_int_distribution<int>(0, std::max(0, area.width() - 1))(random_),
            std::uniform_int_distribution<int>(0, std::max(0, area.height() - 1))(random_));
        const Qt::MouseButton button = chance() < 85 ? Qt::LeftButton : Qt::RightButton;
        std::printf("%s click on %s\n", button == Qt::LeftButton ? "left" : "right",
                    qPrintable(widget->objectName()));
        if (button == Qt::RightButton) {
            QContextMenuEvent menu(QContextMenuEvent::Mouse, spot, widget->mapToGlobal(spot));
            QApplication::sendEvent(widget, &menu);
        } else {
            QTest::mouseClick(widget, button, Qt::NoModifier, spot);
        }
    }

    void changeClipboard() {
        auto* data = new QMimeData;
        switch (chance() % 5) {
        case 0:
            std::printf("clipboard cleared\n");
            break;
        case 1:
            std::printf("clipboard holds formats without data\n");
            data->setData(QStringLiteral("text/plain"), QByteArray());
            data->setData(QStringLiteral("application/octet-stream"), QByteArray());
            break;
        case 2:
            std::printf("clipboard holds an image\n");
            data->setImageData(QImage(4, 4, QImage::Format_ARGB32));
            break;
        case 3:
            std::printf("clipboard holds HTML\n");
            data->setHtml(QStringLiteral("<p dir=rtl>שלום &amp; 😀</p>"));
            break;
        default:
            std::printf("clipboard holds text\n");
            data->setText(pick(std::vector<QString>{
                QStringLiteral("Anna"), QStringLiteral("a@b.c"), QStringLiteral(" "),
                QString(70000, QLatin1Char('x')), QString::fromUtf16(u"\0\r\n\x1b", 4),
                QStringLiteral("𠀀 مرحبا")}));
            break;
        }
        QApplication::clipboard()->setMimeData(data);
    }

    // A later copy of the program hands over what a file holds, whatever is on screen, a
    // question included, and confirms when it is taken.
    void handOverReading() {
        const QString file = pick(files_);
        std::printf("reading handed over: \"%s\"\n", qPrintable(file));
        QFile source(file);
        const QByteArray reading =
            source.open(QIODevice::ReadOnly) ? source.read(64) : QByteArray();
        if (desktop_->readingReceiver) {
            if (const std::function<void()> show = desktop_->readingReceiver(reading)) {
                show();
            }
        }
    }

    // Whichever file the user would pick: none, a reading saved earlier, garbage, a file that
    // cannot exist, a folder.
    void scriptFileDialogs() {
        if (desktop_->openFileAnswers.empty()) {
            desktop_->openFileAnswers.push_back(pick(files_));
        }
        if (desktop_->saveFileAnswers.empty()) {
            desktop_->saveFileAnswers.push_back(pick(files_));
        }
        if (desktop_->answers.empty()) {
            desktop_->answers.push_back(chance() < 50 ? platform::MessageAnswer::Yes
                                                      : platform::MessageAnswer::No);
        }
    }

    std::mt19937 random_;
    Clock::time_point end_;
    QTemporaryDir dir_;
    std::vector<QString> files_;
    test::FakeDesktop* desktop_ = nullptr;
    shell::Application* application_ = nullptr;
    unsigned long actions_ = 0;
    std::atomic<unsigned long> heartbeat_{0};
};

// A program that stops taking input for this long has hung.
constexpr auto kHangAfter = std::chrono::seconds(30);

void watchForHangs(Monkey& monkey, const std::atomic<bool>& done) {
    unsigned long seen = monkey.heartbeat();
    auto since = Clock::now();
    while (!done) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const unsigned long now = monkey.heartbeat();
        if (now != seen) {
            seen = now;
            since = Clock::now();
        } else if (Clock::now() - since > kHangAfter) {
            finding("no input taken for 30 s: the program hangs");
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApplication(argc, argv);
    const auto seed = static_cast<unsigned>(settingFrom("MONKEY_SEED", 1));
    const int seconds = settingFrom("MONKEY_SECONDS", 60);
    std::printf("monkey: seed %u, %d seconds\n", seed, seconds);

    Monkey monkey(seed, Clock::now() + std::chrono::seconds(seconds));
    std::atomic<bool> done{false};
    std::thread watchdog(watchForHangs, std::ref(monkey), std::cref(done));
    int lives = 0;
    while (!monkey.timeIsUp()) {
        monkey.runOnce();
        ++lives;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    done = true;
    watchdog.join();
    std::printf("monkey: %d runs of the program, 0 findings\n", lives);
    return 0;
}
