# The Windows installer, made by CPack's NSIS generator: the program with Qt's libraries, plugins
# and texts beside it (gathered by windeployqt when it is installed, see ui/qt), the licence, and
# a Start-menu entry with the program's icon. An installed program lists itself under its icon in
# the system's list of programs, and installing again first removes the older installation.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Zelvorin)
set(CPACK_PACKAGE_VENDOR Zelvorin)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calculator for calendar moments and spans of time (Japanese)")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Zelvorin)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The Start-menu entry: the program bin/zelvorin.exe, named Zelvorin.
set(CPACK_PACKAGE_EXECUTABLES zelvorin Zelvorin)
set(CPACK_NSIS_DISPLAY_NAME Zelvorin)
set(CPACK_NSIS_PACKAGE_NAME Zelvorin)
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_SOURCE_DIR}/icons/zelvorin.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_SOURCE_DIR}/icons/zelvorin.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\zelvorin.exe")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
include(CPack)
