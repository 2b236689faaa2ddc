; The Windows installer of Velkara, built by scripts/build-windows.sh:
;   makensis -DVERSION=1.1.0 -DSTAGE=<portable folder> -DOUTFILE=<setup.exe> velkara.nsi
; The portable folder holds the program as the zip ships it; the installer puts
; it into Program Files, adds a Start-menu entry and an uninstaller, and
; offers Velkara in Explorer's "Open with" for CSV lists, without making it
; the program that opens them.
;
; Velkara.ini beside the program is the user's: the installer writes the
; default only when there is none, so an upgrade keeps an edited file, and
; the uninstaller removes the file only when it still holds the default.

; A 64-bit installer for a 64-bit program: it writes the 64-bit Program
; Files and registry without redirection.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
!include LogicLib.nsh
!include FileFunc.nsh

!define PRODUCT "Velkara"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; "Open with": the program's own key, and a kind of file the .csv extension
; lists among those it may be opened as; the extension's default is left alone.
!define APP_KEY "Software\Classes\Applications\velkara.exe"
!define LIST_PROGID "Velkara.List"
!define LIST_KEY "Software\Classes\${LIST_PROGID}"
!define CSV_OPEN_WITH_KEY "Software\Classes\.csv\OpenWithProgids"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    SetRegView 64
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Install"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    !include "${STAGE}.files.nsh"
    SetOverwrite off
    File "${STAGE}/Velkara.ini"
    SetOverwrite on
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\velkara.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Velkara developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\velkara.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

    WriteRegStr HKLM "${APP_KEY}" "FriendlyAppName" "${PRODUCT}"
    WriteRegStr HKLM "${APP_KEY}\SupportedTypes" ".csv" ""
    WriteRegStr HKLM "${APP_KEY}\shell\open\command" "" '"$INSTDIR\velkara.exe" "%1"'
    WriteRegStr HKLM "${LIST_KEY}" "" "${PRODUCT} list"
    WriteRegStr HKLM "${LIST_KEY}" "FriendlyTypeName" "${PRODUCT} list"
    WriteRegStr HKLM "${LIST_KEY}\DefaultIcon" "" "$INSTDIR\velkara.exe,0"
    WriteRegStr HKLM "${LIST_KEY}\shell\open" "FriendlyAppName" "${PRODUCT}"
    WriteRegStr HKLM "${LIST_KEY}\shell\open\command" "" '"$INSTDIR\velkara.exe" "%1"'
    WriteRegStr HKLM "${CSV_OPEN_WITH_KEY}" "${LIST_PROGID}" ""
    ; Explorer reads the associations again.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

; $R0 = 1 when the files $R1 and $R2 hold the same bytes, else 0.
Function un.SameBytes
    StrCpy $R0 0
    ClearErrors
    FileOpen $R3 $R1 r
    IfErrors done
    FileOpen $R4 $R2 r
    IfErrors closeFirst
    compare:
        ClearErrors
        FileReadByte $R3 $R5
        IfErrors firstEnded
        FileReadByte $R4 $R6
        IfErrors closeSecond
        StrCmp $R5 $R6 compare closeSecond
    firstEnded:
        ClearErrors
        FileReadByte $R4 $R6
        IfErrors 0 closeSecond
        StrCpy $R0 1
    closeSecond:
        FileClose $R4
    closeFirst:
        FileClose $R3
    done:
FunctionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    !include "${STAGE}.unfiles.nsh"
    Delete "$INSTDIR\uninstall.exe"

    ; An edited settings file stays; the default one goes.
    InitPluginsDir
    File "/oname=$PLUGINSDIR\Velkara.ini" "${STAGE}/Velkara.ini"
    StrCpy $R1 "$INSTDIR\Velkara.ini"
    StrCpy $R2 "$PLUGINSDIR\Velkara.ini"
    Call un.SameBytes
    ${If} $R0 == 1
        Delete "$INSTDIR\Velkara.ini"
    ${ElseIf} ${FileExists} "$INSTDIR\Velkara.ini"
        DetailPrint "Kept your edited $INSTDIR\Velkara.ini"
    ${EndIf}
    RMDir "$INSTDIR"

    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "${APP_KEY}"
    DeleteRegKey HKLM "${LIST_KEY}"
    DeleteRegValue HKLM "${CSV_OPEN_WITH_KEY}" "${LIST_PROGID}"
    DeleteRegKey /IfEmpty HKLM "${CSV_OPEN_WITH_KEY}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
