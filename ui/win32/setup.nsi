; The Windows installer (Debian's NSIS, 64-bit): zelvorin.exe into Program Files\Zelvorin, a
; Start-menu shortcut with the program's icon, an entry in the list of installed programs, and
; an uninstaller that takes all of it away again. /S installs and uninstalls silently.
; The build (ui/win32/CMakeLists.txt) gives the product's facts and the files as definitions:
;   NAME VERSION PUBLISHER DESCRIPTION COPYRIGHT URL PROGRAM ICON OUTFILE
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"
!define SHORTCUT "$SMPROGRAMS\${NAME}.lnk"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
; Program Files and the machine's part of the registry and the Start menu.
RequestExecutionLevel admin
ManifestDPIAware true

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\zelvorin.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The pages in the user's language when it is Japanese, else in English.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

; What Explorer's properties show of the installer itself.
VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey ProductName "${NAME}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey FileDescription "${NAME} Setup"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey LegalCopyright "${COPYRIGHT}"

Section
  ; The Start menu of all users, beside the program that all of them can start.
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "/oname=zelvorin.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\zelvorin.exe" "" "$INSTDIR\zelvorin.exe" 0 SW_SHOWNORMAL "" "${DESCRIPTION}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "${NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" URLInfoAbout "${URL}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\zelvorin.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
  ; The installed size in KiB, as the list of programs shows it.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

; A running program cannot be deleted: the uninstaller then stops before it has removed
; anything, rather than take away the shortcut and the entry and leave the program behind.
LangString PROGRAM_RUNNING ${LANG_ENGLISH} "${NAME} is running. Close it, then uninstall it again."
LangString PROGRAM_RUNNING ${LANG_JAPANESE} "${NAME} が実行中です。終了してから、もう一度アンインストールしてください。"

Section "Uninstall"
  SetShellVarContext all
  Delete "$INSTDIR\zelvorin.exe"
  ${If} ${FileExists} "$INSTDIR\zelvorin.exe"
    MessageBox MB_OK|MB_ICONSTOP "$(PROGRAM_RUNNING)" /SD IDOK
    Abort
  ${EndIf}
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
