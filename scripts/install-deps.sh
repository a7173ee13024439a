#!/usr/bin/env bash
# Installs the Debian packages one purpose needs, when they are missing.
#   scripts/install-deps.sh run          building and running the calculator (make run)
#   scripts/install-deps.sh test         and the tests and benchmarks, and the Windows build's
#                                        tools (make test, the benchmarks)
#   scripts/install-deps.sh screenshots  and what scripts/screenshots takes its pictures with
set -euo pipefail

# Building and running the calculator.
run_packages=(
  cmake make g++            # the build
  qt6-base-dev              # the windows (Qt 6 Widgets; Qt Test and the offscreen platform too)
  libxkbcommon-dev          # keeps Qt's CMake files from reporting a missing optional part
  libx11-dev                # asking whether the X display named can be reached (xcb)
  libfontconfig-dev         # drawing the design font's small sizes on the pixel grid
  qt6-wayland               # the program on Wayland
  qt6-translations-l10n     # Qt's own texts (standard buttons, menus) in Japanese
  fonts-ipafont-gothic      # a Japanese gothic font for the captions
)
# A virtual X display and X input: the tests under X, the benchmarks and the screenshots.
display_packages=(xvfb xdotool)
# The tests, and the benchmarks, which build with them.
test_packages=(
  libgtest-dev              # unit tests
  clang libclang-rt-14-dev  # the sanitizer build and the fuzz targets (libFuzzer)
  libxdamage-dev            # the start benchmark's watcher of X events
  desktop-file-utils appstream dpkg-dev  # checking the installed files and the Debian package
  weston                    # a headless Wayland compositor to test the program in
  openbox xclip x11-utils   # the real-X monkey: a window manager, selections, and finding the
                            # program's windows
  qt6-gtk-platformtheme adwaita-qt6 gnome-themes-extra qt6ct  # the desktops' styles, platform
                                        # themes and colour schemes the look test runs under
  orca at-spi2-core dbus-daemon gir1.2-atspi-2.0 python3-gi  # a screen reader listening to the windows
  lintian                   # the Debian package checked against Debian's policy
  valgrind                  # the start's instruction count, against the bare window's
)
# The Windows build of the tests (make windows) and the Windows installer: a cross-compiler,
# Wine and NSIS. Where they cannot be installed, that build is skipped and the rest still runs.
windows_packages=(g++-mingw-w64-x86-64-posix wine64 nsis)
# The screenshots' pictures of the windows.
picture_packages=(imagemagick)

windows=()
case "${1:-}" in
  run) packages=("${run_packages[@]}") ;;
  test)
    packages=("${run_packages[@]}" "${display_packages[@]}" "${test_packages[@]}")
    windows=("${windows_packages[@]}")
    ;;
  screenshots) packages=("${run_packages[@]}" "${display_packages[@]}" "${picture_packages[@]}") ;;
  *)
    echo "usage: scripts/install-deps.sh run|test|screenshots" >&2
    exit 2
    ;;
esac

missing_of() {
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      echo "$p"
    fi
  done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing_windows < <(missing_of "${windows[@]}")
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
