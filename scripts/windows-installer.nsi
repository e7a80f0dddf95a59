; Kwindel's per-user installer, made by scripts/windows.sh:
;   makensis -DVERSION=1.0.0 -DFILES=<nsh> -DREMOVE=<nsh>
;            -DSIZE_KB=<n> -DICON=<ico> -DOUTFILE=<exe> -DAPP_ID=<id> windows-installer.nsi
; The program saves its page beside itself, so it goes where the user may
; write without administrator rights: %LOCALAPPDATA%\Programs\Kwindel.

Unicode true
Target amd64-unicode          ; a 64-bit program, and a 64-bit-only Wine starts no 32-bit installer
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kwindel"
!define RUNNING_MUTEX "Local\${APP_ID}"   ; held by a running kwindel.exe

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

LangString running ${LANG_DUTCH} "Kwindel is nog geopend. Sluit Kwindel en probeer het dan opnieuw."
LangString stillInUse ${LANG_DUTCH} "Kwindel is in gebruik en is niet verwijderd. Sluit Kwindel en probeer het dan opnieuw."
LangString notUpgraded ${LANG_DUTCH} "De vorige versie van Kwindel kon niet worden verwijderd. Er is niets veranderd."
LangString removePage ${LANG_DUTCH} "Wilt u ook uw opgeslagen resultaat (Kwindel.htm) verwijderen?"

; A running Kwindel holds its files, and closing it for the user would lose
; the answers it holds: the user closes it and tries again, or the setup
; stops and changes nothing. Silently it stops, with exit code 2.
!macro STOP_WHILE_RUNNING un
Function ${un}stopWhileRunning
    again:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0'
    StrCmp $0 0 closed
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(running)" /SD IDCANCEL IDRETRY again
    SetErrorLevel 2
    Quit
    closed:
FunctionEnd
!macroend
!insertmacro STOP_WHILE_RUNNING ""
!insertmacro STOP_WHILE_RUNNING "un."

Function .onInit
    Call stopWhileRunning
FunctionEnd

Function un.onInit
    Call un.stopWhileRunning
FunctionEnd

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_DUTCH} "ProductName" "Kwindel"
VIAddVersionKey /LANG=${LANG_DUTCH} "CompanyName" "Vexlo"
VIAddVersionKey /LANG=${LANG_DUTCH} "FileDescription" "Kwindel installeren"
VIAddVersionKey /LANG=${LANG_DUTCH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_DUTCH} "ProductVersion" "${VERSION}"

Section
    SetShellVarContext current
    ; An earlier version's files go first, by its own uninstaller, which alone
    ; knows them: a file that version shipped and this one does not would
    ; outlive every uninstall. Silently it keeps the user's page.
    IfFileExists "$INSTDIR\uninstall.exe" 0 fresh
        ExecWait '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR' $0
        StrCmp $0 0 fresh
        MessageBox MB_OK|MB_ICONSTOP "$(notUpgraded)" /SD IDOK
        SetErrorLevel 2
        Quit
    fresh:
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

; Only what the installer put there. The program goes first: while it runs
; Windows keeps it, and then nothing else is touched either. The page the
; user saved is the user's own: removed only when the user says so.
Section "Uninstall"
    SetShellVarContext current
    ClearErrors
    Delete "$INSTDIR\kwindel.exe"
    IfErrors 0 +4
        SetErrorLevel 2
        MessageBox MB_OK|MB_ICONSTOP "$(stillInUse)" /SD IDOK
        Abort
    !include "${REMOVE}"
    IfFileExists "$INSTDIR\Kwindel.htm" 0 +3
        MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(removePage)" /SD IDNO IDNO +2
        Delete "$INSTDIR\Kwindel.htm"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Kwindel.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
