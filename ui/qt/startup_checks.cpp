#include "ui/qt/startup_checks.h"

#include <QFontDatabase>
#include <QStringList>
#include <QtGlobal>

#if defined(Q_OS_LINUX)
#include <xcb/xcb.h>
#endif

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
#if defined(Q_OS_LINUX)
    // A platform chosen explicitly, or a Wayland display, is Qt's to try.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return std::nullopt;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return "DISPLAY and WAYLAND_DISPLAY are not set";
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (reached) return std::nullopt;
    return "the X display " + qEnvironmentVariable("DISPLAY").toStdString() + " cannot be reached";
#else
    // Elsewhere the desktop is the system's own and always there.
    return std::nullopt;
#endif
}

void NeverLaunchASessionBus() {
#if defined(Q_OS_LINUX)
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zelvorin-no-session-bus");
#endif
}

void WarnWithoutJapaneseFont() {
    // The family the windows are drawn in is looked for anyway: when it is installed it draws
    // Japanese, and only without it are the writing systems of every font worth asking about.
    if (DesignFamilyInstalled() || !QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) return;
#if defined(Q_OS_LINUX)
    const char* remedy = "install the package fonts-ipafont-gothic";
#else
    const char* remedy = "install the system's Japanese fonts";
#endif
    std::fprintf(stderr, "zelvorin: no installed font draws Japanese, so the calculator's texts are unreadable; %s\n",
                 remedy);
}

}  // namespace zel::view
