#pragma once

#include <QObject>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace bench {

// Nanoseconds on CLOCK_MONOTONIC: one clock for every process on the machine, so a child's
// reading can be set against the moment its parent started it.
std::int64_t monotonicNanoseconds();

// Calls `painted` once, right after the first top-level window that `isTarget` accepts has
// been painted by Qt's own paint cycle (a real paint event, not a grab). Watching the whole
// application means the window may be created after the watch begins.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(std::function<bool(const QWidget&)> isTarget, std::function<void()> painted);
    ~FirstPaintWatch() override;

    FirstPaintWatch(const FirstPaintWatch&) = delete;
    FirstPaintWatch& operator=(const FirstPaintWatch&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(const QWidget&)> isTarget_;
    std::function<void()> painted_;
    bool seen_ = false;
};

// What a start-up harness prints on its standard output when its window has been painted,
// followed by monotonicNanoseconds() at that moment.
inline constexpr const char* kPaintedLine = "painted ";

// For the start-up harnesses: prints the painted line, then ends the event loop.
void announcePaintAndQuit();

// The watch for a window of one class, found by its Qt class name.
template <typename Window> bool isWindowOf(const QWidget& widget) {
    return widget.isWindow() && widget.inherits(Window::staticMetaObject.className());
}

} // namespace bench
