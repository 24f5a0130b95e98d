; Quillot's per-user installer for 64-bit Windows, made by scripts/package-windows.sh:
;   makensis -DPRODUCT=<quillot.nsh> -DFILES=<files.nsh> -DESTIMATED_SIZE=<KiB>
;            -DOUTFILE=<setup.exe> installer.nsi
; PRODUCT is the quillot.nsh that the build makes beside quillot.ico (cmake/WindowsResources.cmake):
; it defines VERSION, PUBLISHER and COPYRIGHT as quillot.exe's version resource has them, and ICON.
; FILES defines the macros InstallProgramFiles and RemoveProgramFiles, one line for each file of
; the portable zip, so that the installer puts exactly those files in place and its uninstaller
; takes exactly those away. No administrator rights: everything goes to the user's own folders and
; to HKEY_CURRENT_USER. GM.ini is never installed, replaced or removed.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillot"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUNNING "Quillot 正在运行，请先退出。"

!include "${PRODUCT}"
Name "Quillot"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quillot"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Quillot ${VERSION}"

!include "${FILES}"
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "启动 Quillot"
!define MUI_FINISHPAGE_RUN_FUNCTION StartQuillot
!insertmacro MUI_PAGE_FINISH

Var KeptIni
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Quillot 已从本机卸载。$KeptIni"
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "Quillot"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "Quillot 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}.0"

; Whether the quillot.exe of $INSTDIR runs: 1 or 0 in $R0. Quillot holds a semaphore named after
; its executable's full path in upper case with every "\" as "?" while it runs
; (platform/windows/Process.cpp). A Quillot run as administrator holds one that this user
; may not open: that refusal (ERROR_ACCESS_DENIED) says it runs too.
!macro QuillotRuns un
  Function ${un}QuillotRuns
    StrCpy $R0 "$INSTDIR\quillot.exe"
    StrLen $R1 $R0
    System::Call "user32::CharUpperBuffW(w R0 R0, i R1)"
    ${WordReplace} $R0 "\" "?" "+" $R0
    System::Call "kernel32::OpenSemaphoreW(i 0x00100000, i 0, w R0) p .R1 ?e"
    Pop $R2  ; the last error
    ${If} $R1 P<> 0
      System::Call "kernel32::CloseHandle(p R1)"
      StrCpy $R0 1
    ${ElseIf} $R2 = 5
      StrCpy $R0 1
    ${Else}
      StrCpy $R0 0
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro QuillotRuns ""
!insertmacro QuillotRuns "un."

; A silent installation into the folder of a running Quillot ends here, with exit code 2.
Function .onInit
  ${If} ${Silent}
    Call QuillotRuns
    ${If} $R0 = 1
      SetErrorLevel 2
      Abort
    ${EndIf}
  ${EndIf}
FunctionEnd

; With the pages, the user may quit Quillot and go on.
Function DirectoryLeave
  Call QuillotRuns
  ${If} $R0 = 1
    MessageBox MB_ICONSTOP|MB_OK "${RUNNING}"
    Abort
  ${EndIf}
FunctionEnd

; Ends a failed installation with exit code 1, saying so in a box unless silent.
!define FAILED "Quillot 未能完整安装到 $INSTDIR。"
!macro AbortOnErrors
  ${If} ${Errors}
    MessageBox MB_ICONSTOP|MB_OK "${FAILED}" /SD IDOK
    SetErrorLevel 1
    Abort "${FAILED}"
  ${EndIf}
!macroend

Section
  ; An installation already here takes away its own program files first, with its own
  ; uninstaller, so that no file of an older version stays behind. Its shortcut, its entry under
  ; "Apps" and the start at login stay: they are this installation's too.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
  ${AndIf} ${FileExists} "$INSTDIR\uninstall.exe"
    ExecWait '"$INSTDIR\uninstall.exe" /S /UPGRADE _?=$INSTDIR'
  ${EndIf}

  ClearErrors
  !insertmacro InstallProgramFiles
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; Without the program in place, the shortcut and the entry under "Apps" stay as they are: they
  ; may belong to a working installation elsewhere.
  !insertmacro AbortOnErrors
  SetOutPath "$INSTDIR"  ; the shortcut's working folder
  CreateShortcut "$SMPROGRAMS\Quillot.lnk" "$INSTDIR\quillot.exe" "" "$INSTDIR\quillot.exe" 0
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quillot"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quillot.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${ESTIMATED_SIZE}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  !insertmacro AbortOnErrors
SectionEnd

Function StartQuillot
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\quillot.exe"'
FunctionEnd

Function un.onInit
  Call un.QuillotRuns
  ${If} $R0 = 1
    MessageBox MB_ICONSTOP|MB_OK "${RUNNING}" /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
FunctionEnd

Section Uninstall
  ; /UPGRADE: called by an installer that replaces the program files; the rest stays.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/UPGRADE" $1
  ${If} ${Errors}
    StrCpy $2 0
  ${Else}
    StrCpy $2 1
  ${EndIf}
  !insertmacro RemoveProgramFiles
  Delete "$INSTDIR\uninstall.exe"
  ${If} $2 = 1
    Return
  ${EndIf}

  ; The shortcut and the entry under "Apps" are this installation's while the entry names this
  ; folder: every installation writes both, so the last one owns them, wherever it went.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    Delete "$SMPROGRAMS\Quillot.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ${EndIf}
  ; The start at login, when it starts this installation (Quillot writes the path in quotes;
  ; Windows compares paths without regard to case, and so does ==).
  ReadRegStr $0 HKCU "${RUN_KEY}" "Quillot"
  ${If} $0 == '"$INSTDIR\quillot.exe"'
    DeleteRegValue HKCU "${RUN_KEY}" "Quillot"
  ${EndIf}
  ; The folder goes only when nothing is left in it, and it cannot while it is the working folder.
  SetOutPath "$TEMP"
  RMDir "$INSTDIR"

  ${If} ${FileExists} "$INSTDIR\GM.ini"
    StrCpy $KeptIni "$\r$\n$\r$\n您的日程 GM.ini 仍保留在 $INSTDIR 中。"
  ${ElseIf} ${FileExists} "$APPDATA\Quillot\GM.ini"
    StrCpy $KeptIni "$\r$\n$\r$\n您的日程 GM.ini 仍保留在 $APPDATA\Quillot 中。"
  ${EndIf}
SectionEnd
