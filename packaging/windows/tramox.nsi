; The Windows installer. The game keeps Settings.xml in its working folder,
; so it is installed for the player alone (no administrator) into a folder
; the player can write, %LOCALAPPDATA%\Programs\Tramox, and the Start-menu
; shortcut starts it there. The uninstaller removes what was installed and
; keeps the settings unless the player ticks their box.
;
;   makensis -DGAME_DIR=<game folder> -DVERSION=<x.y.z> -DOUT_FILE=<setup.exe>
;            -DFILES=<file list> -DTARGET=<amd64-unicode|x86-unicode> tramox.nsi
; The file list (make_installer.sh writes it) defines the macros
; InstallGameFiles and RemoveGameFiles for the game folder's contents.
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tramox"
!include "${FILES}"
!include "MUI2.nsh"

Name "Tramox"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\Tramox"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Tramox"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Tramox installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright the Tramox developers"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Tramox"
  !insertmacro InstallGameFiles
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ; The shortcut's working folder is the output folder: the install folder.
  CreateShortcut "$SMPROGRAMS\Tramox.lnk" "$INSTDIR\tramox.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tramox"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tramox developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tramox.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "-un.Tramox"
  Delete "$SMPROGRAMS\Tramox.lnk"
  !insertmacro RemoveGameFiles
  Delete "$INSTDIR\Uninstall.exe"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Settings (screen size and camera)"
  Delete "$INSTDIR\Settings.xml"
SectionEnd

Section "-un.Folder"
  ; Only when empty: kept settings keep their folder.
  RMDir "$INSTDIR"
SectionEnd
