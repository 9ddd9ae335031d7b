#pragma once

namespace platform {

class Desktop;

// Seeds the program's random generator from the desktop's clock, as start-up and the exit
// screen both do before they draw.
void seedRandomFromClock(Desktop& desktop);

} // namespace platform
