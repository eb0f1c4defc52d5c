; The Windows installer. The game keeps Settings.xml in its working folder,
; so it is installed for the player alone (no administrator) into a folder
; the player can write, %LOCALAPPDATA%\Programs\Tramox, and the Start-menu
; shortcut starts it there. The uninstaller removes what was installed and
; keeps the settings unless the player ticks their box. A second installer
; goes into the folder of the installed copy, the one the player chose
; included, so an upgrade keeps the settings and leaves one copy.
;
;   makensis -DVERSION=<x.y.z> -DOUT_FILE=<setup.exe> -DFILES=<file list>
;            -DTARGET=<amd64-unicode|x86-unicode> -DICON=<tramox.ico> tramox.nsi
; The file list (make_installer.sh writes it) defines the macros
; InstallGameFiles and RemoveGameFiles for the game folder's contents.
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tramox"
!include "${FILES}"
!include "MUI2.nsh"
!include "FileFunc.nsh"

Name "Tramox"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\Tramox"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Tramox"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Tramox installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright the Tramox developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; The finish page offers to start the game; a silent install shows no page.
!define MUI_FINISHPAGE_RUN "$INSTDIR\tramox.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Files of a running game cannot be replaced or removed: the player is asked
; to close it first. Silently, the answer is no and the (un)installer stops
; with a failure status. The game's window class is "Tramox".
!macro WaitUntilGameCloses
  retry:
    FindWindow $0 "Tramox"
    StrCmp $0 0 closed
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Tramox is running. Close it, then choose Retry." /SD IDCANCEL IDRETRY retry
    Abort
  closed:
!macroend

Function .onInit
  !insertmacro WaitUntilGameCloses
FunctionEnd

Function un.onInit
  !insertmacro WaitUntilGameCloses
FunctionEnd

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
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
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
