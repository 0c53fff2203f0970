// Ends the desktop program the way Quit does when the system asks it to stop
// (SIGTERM at shutdown, SIGHUP when its terminal goes, SIGINT from Ctrl+C), so
// that the settings are saved then too. The signal only writes a byte to a pipe;
// the window is closed from the event loop.
#pragma once

class QWidget;

namespace tembrel {

// Installs the signal handlers; from then on a termination signal closes
// `window` (which must live until the event loop ends). Returns false when the
// handlers could not be installed; the signals then keep their default action.
bool CloseOnTerminationSignals(QWidget& window);

}  // namespace tembrel
