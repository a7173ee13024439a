#pragma once
// What the program makes sure of before and right after the application object exists: a
// display to show the windows on, no other program started on its behalf, and a font that can
// draw its Japanese texts.

#include <QApplication>

#include <memory>
#include <optional>
#include <string>

namespace zel::view {

// The calculator's application object, prepared (PrepareApplication) and checked: or, after one
// line on standard error saying why no window can be shown, null. The program and the start
// benchmark both begin here, so that the benchmark counts the program's own start.
// `argc` must outlive the application object.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv);

// Why no window can be shown, or nothing when one can. On Linux each platform Qt would try for
// this command line and environment is tried in the same order, and the first that starts
// decides: a Wayland display that answers, or an X display with the screen named and at least
// 16 bits of colour. The X connection made to find out is handed to `held`, to be closed once the
// application object has its own: an X server whose last client leaves resets, refusing
// connections for a moment.
// Qt 6.4 fault: without a display it aborts with a core dump; on fewer colours it crashes painting.
std::optional<std::string> MissingDisplay(int argc, char** argv, std::shared_ptr<void>& held);

// Names a bus address that cannot be connected to: without a session bus no screen reader
// listens, so nothing is lost. Only Linux desktops have a session bus. Call before the
// application object exists.
// Qt 6.4 fault: with no session bus named, libdbus starts one by `dbus-launch` that outlives the program.
void NeverLaunchASessionBus();

// When the platform has fonts to look at and none of them draws Japanese: one line on standard
// error and one message on screen, before any window, naming what to install; the windows open
// all the same once it is closed.
void WarnWithoutJapaneseFont();

}  // namespace zel::view
