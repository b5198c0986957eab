; Wirelark's installer, built by scripts/windows.sh with Debian's makensis:
;   makensis -DVERSION=1.00 -DPACKAGE=... -DSTAGING=... -DOUTFILE=... -DICON=... wirelark.nsi
; It installs for the user who runs it, without administrator rights (a lab PC's user rarely
; has them): the programs in %LOCALAPPDATA%\Programs\Wirelark, and a Start-menu entry that
; starts Wirelark in Documents\Wirelark, where Filter4.ini and the monitor logs live. The
; uninstaller removes what was installed and leaves that folder with the user's files.
; A 64-bit installer for the 64-bit program: it runs where Wirelark runs (and under a
; 64-bit Wine without its 32-bit half).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"

Name "Wirelark"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Wirelark"
InstallDirRegKey HKCU "Software\Wirelark" "InstallDir"
BrandingText "Wirelark ${VERSION}"

VIProductVersion "1.0.0.0"
VIAddVersionKey /LANG=1031 "ProductName" "Wirelark"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileDescription" "Wirelark ${VERSION} Setup"
VIAddVersionKey /LANG=1031 "LegalCopyright" "The Wirelark developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\wirelark.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Wirelark starten"
!define MUI_FINISHPAGE_RUN_FUNCTION StartFromWorkingFolder

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Wirelark"
!define WORKING_FOLDER "$DOCUMENTS\Wirelark"

Section "Wirelark"
  !include "${PACKAGE}/install-files.nsh"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The working folder: Filter4.ini and the logs are the user's, kept by the uninstaller.
  CreateDirectory "${WORKING_FOLDER}"
  SetOutPath "${WORKING_FOLDER}"
  CreateShortcut "$SMPROGRAMS\Wirelark.lnk" "$INSTDIR\wirelark.exe" "" "$INSTDIR\wirelark.exe" 0
  SetOutPath "$INSTDIR"

  WriteRegStr HKCU "Software\Wirelark" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Wirelark"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Wirelark developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\wirelark.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function StartFromWorkingFolder
  SetOutPath "${WORKING_FOLDER}"
  Exec '"$INSTDIR\wirelark.exe"'
FunctionEnd

Section "Uninstall"
  !include "${PACKAGE}/uninstall-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Wirelark.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Wirelark"
  ; Documents\Wirelark stays: it holds the user's Filter4.ini and logs.
SectionEnd
