; Kwindel's per-user installer, made by scripts/windows.sh:
;   makensis -DVERSION=1.0.0 -DFILES=<nsh> -DREMOVE=<nsh>
;            -DSIZE_KB=<n> -DICON=<ico> -DOUTFILE=<exe> windows-installer.nsi
; The program saves its page beside itself, so it goes where the user may
; write without administrator rights: %LOCALAPPDATA%\Programs\Kwindel.

Unicode true
Target amd64-unicode          ; a 64-bit program, and a 64-bit-only Wine starts no 32-bit installer
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kwindel"

Name "Kwindel"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Kwindel"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kwindel.exe"
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Dutch"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_DUTCH} "ProductName" "Kwindel"
VIAddVersionKey /LANG=${LANG_DUTCH} "CompanyName" "Vexlo"
VIAddVersionKey /LANG=${LANG_DUTCH} "FileDescription" "Kwindel installeren"
VIAddVersionKey /LANG=${LANG_DUTCH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_DUTCH} "ProductVersion" "${VERSION}"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Kwindel.lnk" "$INSTDIR\kwindel.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Kwindel"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Vexlo"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kwindel.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there, and the page the program saved.
Section "Uninstall"
    SetShellVarContext current
    !include "${REMOVE}"
    Delete "$INSTDIR\Kwindel.htm"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Kwindel.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
