#include "ui/qt/startup_checks.h"

#include <QFontDatabase>
#include <QStringList>
#include <QtGlobal>

#if defined(Q_OS_LINUX)
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstring>
#include <vector>
#endif

#include <cstdio>
#include <string_view>

#include "ui/messages.h"
#include "ui/qt/appearance.h"
#include "ui/qt/desktop_services.h"

namespace zel::view {

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv) {
    std::shared_ptr<void> probe;
    if (const auto missing = MissingDisplay(argc, argv, probe)) {
        std::fprintf(stderr, "zelvorin: no display to show the calculator on (%s)\n", missing->c_str());
        return nullptr;
    }
    NeverLaunchASessionBus();
    auto app = std::make_unique<QApplication>(argc, argv);
    probe.reset();
    PrepareApplication(*app);
    WarnWithoutJapaneseFont();
    return app;
}

#if defined(Q_OS_LINUX)
namespace {

// Fewer bits than this, and Qt's raster painter has no engine for the screen's windows.
constexpr int kLeastColourBits = 16;

// The value after the last `-option` (or `--option`) of the command line, as Qt reads it.
std::string ArgumentAfter(int argc, char** argv, const char* option) {
    std::string value;
    for (int i = 1; i + 1 < argc; ++i) {
        const char* arg = argv[i];
        if (arg[0] == '-' && arg[1] == '-') ++arg;
        if (std::strcmp(arg, option) == 0) value = argv[++i];
    }
    return value;
}

// The platforms Qt 6.4 tries, in order, until one starts: those named by -platform or else by
// QT_QPA_PLATFORM (separated by semicolons, each with its options after a colon); with none
// named, Wayland when a Wayland display is named or the session is Wayland's, then X11.
std::vector<std::string> PlatformsTried(int argc, char** argv, bool& named) {
    std::string list = ArgumentAfter(argc, argv, "-platform");
    if (list.empty()) list = qgetenv("QT_QPA_PLATFORM").toStdString();
    named = !list.empty();
    if (!named)
        list = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland" ? "wayland;xcb"
                                                                                                        : "xcb";
    std::vector<std::string> platforms;
    for (const QString& entry : QString::fromStdString(list).split(u';', Qt::SkipEmptyParts))
        platforms.push_back(entry.section(u':', 0, 0).toLower().toStdString());
    return platforms;
}

// Whether a platform starts; when it does not, why, and whether Qt goes on to the next one
// (a display it cannot connect to) or starts on it all the same and fails later.
struct Attempt {
    bool starts = true;
    bool final = false;
    std::string reason;
};

Attempt TryX11(std::string name, std::shared_ptr<void>& held) {
    if (name.empty()) name = qgetenv("DISPLAY").toStdString();
    if (name.empty()) return {false, false, "DISPLAY is not set"};
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(name.c_str(), &screenNumber);
    const std::string noScreen = "the X display " + name + " has no screen " + std::to_string(screenNumber);
    Attempt attempt;
    const int error = xcb_connection_has_error(connection);
    if (error == XCB_CONN_CLOSED_INVALID_SCREEN) {
        attempt = {false, false, noScreen};
    } else if (error != 0) {
        attempt = {false, false, "the X display " + name + " cannot be reached"};
    } else {
        // Older libxcb connects whatever screen number the name ends in.
        const xcb_screen_t* screen = nullptr;
        xcb_screen_iterator_t roots = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (int i = 0; roots.rem > 0 && !screen; ++i, xcb_screen_next(&roots))
            if (i == screenNumber) screen = roots.data;
        if (!screen)
            attempt = {false, false, noScreen};
        else if (screen->root_depth < kLeastColourBits)
            attempt = {false, true,
                       "the X display " + name + " shows " + std::to_string(screen->root_depth) +
                           " bits of colour, fewer than the " + std::to_string(kLeastColourBits) +
                           " the calculator needs"};
    }
    if (attempt.starts)
        held.reset(connection, [](void* open) { xcb_disconnect(static_cast<xcb_connection_t*>(open)); });
    else
        xcb_disconnect(connection);
    return attempt;
}

// Connects to the compositor's socket where libwayland-client looks for it.
Attempt TryWayland() {
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET")) return {};  // a connection handed over already
    const std::string name =
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ? qgetenv("WAYLAND_DISPLAY").toStdString() : "wayland-0";
    const Attempt unreachable = {false, false, "the Wayland display " + name + " cannot be reached"};
    std::string path = name;
    if (path.empty() || path[0] != '/') {
        const std::string runtime = qgetenv("XDG_RUNTIME_DIR").toStdString();
        if (runtime.empty()) return {false, false, unreachable.reason + " (XDG_RUNTIME_DIR is not set)"};
        path = runtime + "/" + name;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return unreachable;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool answered =
        socket >= 0 && ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (socket >= 0) ::close(socket);
    return answered ? Attempt{} : unreachable;
}

}  // namespace
#endif

std::optional<std::string> MissingDisplay(int argc, char** argv, std::shared_ptr<void>& held) {
#if defined(Q_OS_LINUX)
    bool named = false;
    const std::vector<std::string> platforms = PlatformsTried(argc, argv, named);
    if (!named && qEnvironmentVariableIsEmpty("DISPLAY") && !qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
        qgetenv("XDG_SESSION_TYPE") != "wayland")
        return "DISPLAY and WAYLAND_DISPLAY are not set";
    std::string reasons;
    for (const std::string& platform : platforms) {
        Attempt attempt;
        if (platform == "xcb")
            attempt = TryX11(ArgumentAfter(argc, argv, "-display"), held);
        else if (platform.rfind("wayland", 0) == 0)
            attempt = TryWayland();
        else
            return std::nullopt;  // offscreen, minimal and the rest need no display: Qt's to start
        if (attempt.starts) return std::nullopt;
        if (attempt.final) return attempt.reason;
        reasons += (reasons.empty() ? "" : " and ") + attempt.reason;
    }
    if (reasons.empty()) return std::nullopt;
    return reasons;
#else
    // Elsewhere the desktop is the system's own and always there.
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    Q_UNUSED(held);
    return std::nullopt;
#endif
}

void NeverLaunchASessionBus() {
#if defined(Q_OS_LINUX)
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zelvorin-no-session-bus");
#endif
}

namespace {

// What the user reads when no font draws Japanese: English first, as it draws in any font, then
// Japanese, which can only be read once the fonts are installed.
constexpr std::string_view kUnreadable = "No installed font draws Japanese, so the calculator's texts are unreadable.";
constexpr std::u16string_view kUnreadableJapanese =
    u"日本語を表示できるフォントがインストールされていないため、電卓の文字が読めません。";
#if defined(Q_OS_LINUX)
constexpr std::string_view kInstall = "Install the package fonts-ipafont-gothic.";
constexpr std::u16string_view kInstallJapanese = u"パッケージ fonts-ipafont-gothic をインストールして下さい。";
#else
constexpr std::string_view kInstall = "Install the system's Japanese fonts.";
constexpr std::u16string_view kInstallJapanese = u"システムの日本語フォントをインストールして下さい。";
#endif

}  // namespace

void WarnWithoutJapaneseFont() {
    // A platform without a font database (minimal) lists no family at all, not even the
    // aliases fontconfig always has: nothing was looked at, so nothing is missing.
    if (QFontDatabase::families().isEmpty()) return;
    // The family the windows are drawn in is looked for anyway: when it is installed it draws
    // Japanese, and only without it are the writing systems of every font worth asking about.
    if (DesignFamilyInstalled() || !QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) return;
    std::fprintf(stderr, "zelvorin: %s %s\n", kUnreadable.data(), kInstall.data());
    std::u16string text;
    for (const std::string_view line : {kUnreadable, kInstall}) text.append(line.begin(), line.end()).push_back(u'\n');
    text.append(u"\n").append(kUnreadableJapanese).append(u"\n").append(kInstallJapanese);
    QtMessageBoxes().Show(text, std::u16string(messages::kTitle), MessageButtons::Ok);
}

}  // namespace zel::view
