#pragma once

namespace platform {
class Desktop;
}

namespace shell {

// At start-up, before the input window shows, offers to open the download page once enough
// days have passed since the last offer.
void RemindOfUpdate(platform::Desktop& desktop);

} // namespace shell
