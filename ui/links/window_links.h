#pragma once

class QWidget;

namespace platform {
class Desktop;
}

namespace ui {

// Both working windows carry the same web commands: the Help menu entries, "&Donate", the
// hidden "Make Money Online" entry, the About box, and the three link labels. This wires
// whichever of them the window holds, found by their object names.
void connectWebCommands(QWidget* window, platform::Desktop& desktop);

} // namespace ui
