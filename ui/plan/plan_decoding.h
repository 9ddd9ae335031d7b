#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace ui {

// A plan's file is read whole, up to this size; a larger one is refused unread.
inline constexpr qint64 kLargestPlanFileBytes = 64LL * 1024 * 1024;
// A picture that says it has more pixels than this is refused before it is decoded: 8000 × 5000.
inline constexpr qint64 kLargestPlanPixels = 40'000'000;
// The picture is held at most this many pixels along its longer side, whatever the file's
// size, halved as often as it takes: enough to zoom into the rooms of a screen-filling plan,
// and at most 64 MiB.
inline constexpr int kPlanLongestSide = 4096;
// Qt refuses to allocate an image larger than this, whatever a file's header claims.
inline constexpr int kImageAllocationLimitMiB = 256;
// Sets that limit. Called on the GUI thread before any picture from outside is decoded.
void limitImageAllocation();

// What opening a plan's picture came to.
enum class PlanFault {
    None,
    Unreadable,  // not a regular file that can be read, or larger than a plan's file may be
    NotAPicture, // no PNG or JPEG, whatever its name says
    Damaged,     // a PNG or JPEG that ends early or does not decode
    TooLarge,    // more pixels than a plan may have
    TooLate,     // it did not arrive in time
};

// A decoded plan: the picture as held, at most kPlanLongestSide along its longer side, the size
// the file has, and the file's bytes, to keep a copy of.
struct PlanPicture {
    PlanFault fault = PlanFault::None;
    QImage image;
    QSize fileSize;
    QByteArray bytes;
};

// A picture refused for a fault, with nothing of it kept.
inline PlanPicture refusedPicture(PlanFault why) {
    return {why, {}, {}, {}};
}

// Decodes a plan's bytes from outside, as hostile as they come. Runs on any thread.
PlanPicture decodePlanPicture(const QByteArray& bytes);

} // namespace ui
