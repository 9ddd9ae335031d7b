#pragma once

#include <QMetaObject>
#include <QObject>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace ui {
namespace detail {

// Lets the caller's events go on until `arrived` says so or the deadline passes.
void waitBesideGui(QObject& wake, const std::function<bool()>& arrived, int deadlineMs);

} // namespace detail

// Runs `work` on a thread of its own while the caller's events go on, so that a file on a disk
// that stops answering (a dead network share) or a long decoding freezes no window. Its result,
// or nothing when it did not arrive within the deadline: what arrives later is dropped, and
// the thread holds nothing of the caller's but what `work` took along.
template <typename Result>
std::optional<Result> runBesideGui(std::function<Result()> work, int deadlineMs) {
    // What the thread and the waiting caller share. The caller may stop waiting and go; the
    // thread then finds nobody to wake and ends on its own whenever its work returns.
    struct Pending {
        std::mutex guard;
        QObject* waiting = nullptr;
        std::optional<Result> result;
    };
    QObject wake;
    auto pending = std::make_shared<Pending>();
    pending->waiting = &wake;
    std::thread([pending, work = std::move(work)] {
        Result result = work();
        const std::lock_guard lock(pending->guard);
        pending->result = std::move(result);
        if (pending->waiting) {
            QMetaObject::invokeMethod(
                pending->waiting, [] {}, Qt::QueuedConnection);
        }
    }).detach();
    detail::waitBesideGui(
        wake,
        [&pending] {
            const std::lock_guard lock(pending->guard);
            return pending->result.has_value();
        },
        deadlineMs);
    const std::lock_guard lock(pending->guard);
    pending->waiting = nullptr;
    return std::move(pending->result);
}

} // namespace ui
