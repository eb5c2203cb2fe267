#pragma once

namespace varnel {

// What a screen reader is told beyond what Qt says by itself: the main window
// is a window, the drive list is named by its name, not its drive, and the link labels are links with an action that
// opens them (they take no Tab stop, so this is how a screen-reader user reaches them). Call once, after the
// application object exists.
void InstalarAccesibilidad();

}  // namespace varnel
