# Cross-builds the Windows (x86-64) program parts with Debian's MinGW-w64 compiler, posix threads:
#   cmake -S . -B build-mingw --toolchain cmake/mingw-w64.cmake
# The executables are linked statically, so that they run without the compiler's DLLs beside
# them. When Wine is installed, CTest starts every test through it, headless, in a Wine prefix
# of the build folder's own, which scripts/windows-tests makes and serves before the first test.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Libraries and headers come from the compiler's own sysroot, never from the Linux system.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Debian puts the 64-bit loader outside PATH. No display is used (DISPLAY and WAYLAND_DISPLAY
# are cleared), no debug channels print, and the .NET and HTML engines are disabled, so that
# creating the prefix never offers to download Mono or Gecko.
find_program(ZELVORIN_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ZELVORIN_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      env -u DISPLAY -u WAYLAND_DISPLAY WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDEBUG=-all
      WINEDLLOVERRIDES=mscoree,mshtml= ${ZELVORIN_WINE64})
  # A test that shows windows starts its program through this instead, on the X display of the
  # test run (scripts/windows-tests gives one, an Xvfb of its own when none is set); without a
  # display it is skipped (exit status 77).
  set(ZELVORIN_WINE_WITH_DISPLAY
      sh -c "[ -n \"$DISPLAY\" ] || exit 77 && exec \"$@\"" sh
      env WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= ${ZELVORIN_WINE64})
endif()
