#include "platform/clock_seed.h"

#include "platform/desktop.h"

namespace platform {

void seedRandomFromClock(Desktop& desktop) {
    // The milliseconds of the clock are what changes between two starts; the low 32 bits keep
    // all of them.
    desktop.seedRandom(static_cast<quint32>(desktop.now().toMSecsSinceEpoch()));
}

} // namespace platform
