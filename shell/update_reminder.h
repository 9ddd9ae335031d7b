#pragma once

class QString;

namespace platform {
class Desktop;
}

namespace shell {

// At start-up, before the input window shows: offers to open the download page when the last
// offer lies more than 14 calendar days away, either way, and remembers today. The store holds
// the date under `application`, scrambled, name and value alike.
void RemindOfUpdate(platform::Desktop& desktop, const QString& application);

} // namespace shell
