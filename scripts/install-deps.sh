#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when they are missing.
#   scripts/install-deps.sh          what `make run` and `make test` need
#   scripts/install-deps.sh screenshots   and what scripts/screenshots runs under
set -euo pipefail

packages=(
  cmake make g++            # the build
  qt6-base-dev              # the windows (Qt 6 Widgets) and the offscreen platform for view tests
  libxkbcommon-dev          # keeps Qt's CMake files from reporting a missing optional part
  qt6-translations-l10n     # Qt's own texts (standard buttons, menus) in Japanese
  libgtest-dev              # unit tests
  clang libclang-rt-14-dev  # the sanitizer build and the fuzz targets (libFuzzer)
  libx11-dev libxdamage-dev # the start benchmark's watcher of X events
  fonts-ipafont-gothic      # a Japanese gothic font for the captions
  desktop-file-utils appstream dpkg-dev  # checking the installed files and the Debian package
  qt6-wayland weston        # the program on Wayland, and a headless compositor to test it in
  xvfb openbox xdotool xclip x11-utils  # the real-X monkey: a display, a window manager, X input,
                                        # selections, and finding the program's windows
  qt6-gtk-platformtheme adwaita-qt6 gnome-themes-extra qt6ct  # the desktops' styles, platform
                                        # themes and colour schemes the look test runs under
  orca at-spi2-core dbus-daemon gir1.2-atspi-2.0 python3-gi  # a screen reader listening to the windows
  lintian                   # the Debian package checked against Debian's policy
  valgrind                  # the start's instruction count, against the bare window's
)
# The Windows build of the tests (make windows): a cross-compiler and Wine. Where they cannot be
# installed, that build is skipped and the rest still runs.
windows_packages=(g++-mingw-w64-x86-64-posix wine64)
case "${1:-}" in
  screenshots) packages+=(imagemagick) ;;
esac

missing_of() {
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      echo "$p"
    fi
  done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing_windows < <(missing_of "${windows_packages[@]}")
[ ${#missing[@]} -eq 0 ] && [ ${#missing_windows[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo > /dev/null; then
  as_root=(sudo)
elif [ ${#missing[@]} -eq 0 ]; then
  exit 0  # only the Windows build's tools are missing: make windows says that it skips
else
  echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
  echo "Run this as root, or install them yourself: apt-get install ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
if [ ${#missing_windows[@]} -gt 0 ]; then
  echo "Installing the Windows build's tools: ${missing_windows[*]}"
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing_windows[@]}" ||
    echo "The Windows build's tools could not be installed; make windows will skip" >&2
fi
