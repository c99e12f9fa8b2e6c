; The Windows installer of the Zoq calculator suite. tools/package runs makensis on it
; with the defines below; nothing here names a version or a path of the build machine.
;
;   VERSION   the suite version (2.2.0)
;   STAGE     folder holding Numorapad.exe, Fiscora.exe, Trendora.exe, Parabix.exe, numora.exe
;   OUTFILE   the installer to write
;   ICON      the icon of the installer and the uninstaller (Numorapad's)
;
; Per-user by default: no administrator rights, the programs under
; %LOCALAPPDATA%\Programs, the uninstall entry under HKCU. /S installs silently, /D=
; picks the folder; the uninstaller takes /S too and then keeps the settings.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define SUITE "Zoq Calculator Suite"
!define PUBLISHER "Zoq Calculator Works"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZoqCalculatorSuite"
!define MENU_FOLDER "$SMPROGRAMS\${SUITE}"

Name "${SUITE} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${SUITE}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${SUITE}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${SUITE} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Numorapad.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Numorapad"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The four programs: executable name and what the shortcut says.
!macro ForEachProgram MACRO
    !insertmacro ${MACRO} "Numorapad" "Numorapad scientific calculator"
    !insertmacro ${MACRO} "Fiscora" "Fiscora financial calculator"
    !insertmacro ${MACRO} "Trendora" "Trendora regression calculator"
    !insertmacro ${MACRO} "Parabix" "Parabix quadratic solver"
!macroend

!macro MenuShortcut NAME DESCRIPTION
    CreateShortcut "${MENU_FOLDER}\${NAME}.lnk" "$INSTDIR\${NAME}.exe" "" "$INSTDIR\${NAME}.exe" 0 \
        SW_SHOWNORMAL "" "${DESCRIPTION}"
!macroend
!macro DesktopShortcut NAME DESCRIPTION
    CreateShortcut "$DESKTOP\${NAME}.lnk" "$INSTDIR\${NAME}.exe" "" "$INSTDIR\${NAME}.exe" 0 \
        SW_SHOWNORMAL "" "${DESCRIPTION}"
!macroend
!macro RemoveMenuShortcut NAME DESCRIPTION
    Delete "${MENU_FOLDER}\${NAME}.lnk"
!macroend
!macro RemoveDesktopShortcut NAME DESCRIPTION
    Delete "$DESKTOP\${NAME}.lnk"
!macroend

Section "Programs" SecPrograms
    SectionIn RO
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "${STAGE}\Numorapad.exe"
    File "${STAGE}\Fiscora.exe"
    File "${STAGE}\Trendora.exe"
    File "${STAGE}\Parabix.exe"
    File "${STAGE}\numora.exe"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    CreateDirectory "${MENU_FOLDER}"
    !insertmacro ForEachProgram MenuShortcut

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${SUITE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$\"$INSTDIR\Numorapad.exe$\",0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\Uninstall.exe$\""
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" "$\"$INSTDIR\Uninstall.exe$\" /S"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section /o "Desktop shortcuts" SecDesktop
    SetShellVarContext current
    !insertmacro ForEachProgram DesktopShortcut
    ; The uninstaller removes desktop shortcuts only when they were made here.
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "DesktopShortcuts" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    !insertmacro ForEachProgram RemoveMenuShortcut
    RMDir "${MENU_FOLDER}"
    ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "DesktopShortcuts"
    ${If} $0 = 1
        !insertmacro ForEachProgram RemoveDesktopShortcut
    ${EndIf}

    Delete "$INSTDIR\Numorapad.exe"
    Delete "$INSTDIR\Fiscora.exe"
    Delete "$INSTDIR\Trendora.exe"
    Delete "$INSTDIR\Parabix.exe"
    Delete "$INSTDIR\numora.exe"
    Delete "$INSTDIR\Uninstall.exe"
    ; Only when empty: files the user put there stay.
    RMDir "$INSTDIR"

    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    ; The settings (modes, memories, profiles, window sizes) belong to the user, who may
    ; reinstall: asked, and kept when nobody can be asked.
    MessageBox MB_YESNO|MB_ICONQUESTION \
        "Remove the programs' settings too (memories, profiles, options)?" /SD IDNO IDNO keep
        DeleteRegKey HKCU "Software\Zoq\Numora"
        DeleteRegKey HKCU "Software\Zoq\Financial"
        DeleteRegKey HKCU "Software\Zoq\Trendora"
        DeleteRegKey HKCU "Software\Zoq\Parabix"
        DeleteRegKey /ifempty HKCU "Software\Zoq"
    keep:
SectionEnd
