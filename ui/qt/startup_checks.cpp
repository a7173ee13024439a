#include "ui/qt/startup_checks.h"

#include <QFontDatabase>
#include <QStringList>
#include <QtGlobal>

#include <xcb/xcb.h>

#include <cstdio>

#include "ui/qt/appearance.h"
#include "ui/qt/desktop_services.h"

namespace zel::view {

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv) {
    if (const auto missing = MissingDisplay()) {
        std::fprintf(stderr, "zelvorin: no display to show the calculator on (%s)\n", missing->c_str());
        return nullptr;
    }
    NeverLaunchASessionBus();
    auto app = std::make_unique<QApplication>(argc, argv);
    PrepareApplication(*app);
    WarnWithoutJapaneseFont();
    return app;
}

std::optional<std::string> MissingDisplay() {
    // A platform chosen explicitly, or a Wayland display, is Qt's to try.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return std::nullopt;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return "DISPLAY and WAYLAND_DISPLAY are not set";
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (reached) return std::nullopt;
    return "the X display " + qEnvironmentVariable("DISPLAY").toStdString() + " cannot be reached";
}

void NeverLaunchASessionBus() {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zelvorin-no-session-bus");
}

void WarnWithoutJapaneseFont() {
    // The family the windows are drawn in is looked for anyway: when it is installed it draws
    // Japanese, and only without it are the writing systems of every font worth asking about.
    if (DesignFamilyInstalled() || !QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) return;
    std::fputs("zelvorin: no installed font draws Japanese, so the calculator's texts are unreadable; "
               "install the package fonts-ipafont-gothic\n",
               stderr);
}

}  // namespace zel::view
