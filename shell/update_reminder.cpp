#include "shell/update_reminder.h"

namespace shell {

void RemindOfUpdate(platform::Desktop& /*desktop*/) {
    // The reminder keeps the date of its last offer in the settings store; it arrives together
    // with that store. Until then start-up calls it at its place and it asks nothing.
}

} // namespace shell
