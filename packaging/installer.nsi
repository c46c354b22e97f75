; Per-user installer for both games: no administrator rights, Start-menu shortcuts for the games and
; their help, and an uninstaller that keeps the player's saved scores unless asked to remove them.
;
; makensis -DSTAGE=<folder holding Scrambolo\ and Pebblix\> -DOUTFILE=<setup.exe> installer.nsi
; A 64-bit installer for 64-bit games: it runs wherever they run.
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Lanternfold Word Games"
!define PUBLISHER "Lanternfold Games"
!define VERSION "1.0"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\LanternfoldWordGames"

!include "FileFunc.nsh"
!include "LogicLib.nsh"

Name "${PRODUCT}"
Caption "${PRODUCT} ${VERSION} Setup"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Games"
  SetOutPath "$INSTDIR\Scrambolo"
  File "${STAGE}\Scrambolo\scrambolo.exe"
  File "${STAGE}\Scrambolo\bell.wav"
  File "${STAGE}\Scrambolo\buzzer.wav"
  File "${STAGE}\Scrambolo\click.wav"
  File "${STAGE}\Scrambolo\scrambolo.TXT"
  File "${STAGE}\Scrambolo\jmsit32.dll"

  SetOutPath "$INSTDIR\Pebblix"
  File "${STAGE}\Pebblix\pebblix.exe"
  File "${STAGE}\Pebblix\right.wav"
  File "${STAGE}\Pebblix\wrong.wav"
  File "${STAGE}\Pebblix\gameover.wav"
  File "${STAGE}\Pebblix\readme.txt"
  File "${STAGE}\Pebblix\mswnby32.dll"

  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; Each shortcut starts in its game's folder, where the saved files live.
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  SetOutPath "$INSTDIR\Scrambolo"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Scrambolo.lnk" "$INSTDIR\Scrambolo\scrambolo.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Scrambolo help.lnk" "$INSTDIR\Scrambolo\scrambolo.TXT"
  SetOutPath "$INSTDIR\Pebblix"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Pebblix.lnk" "$INSTDIR\Pebblix\pebblix.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Pebblix help.lnk" "$INSTDIR\Pebblix\readme.txt"
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Scrambolo\scrambolo.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Saved scores and settings stay unless the player says to remove them: answering Yes to the
; question, or /REMOVESAVES on the command line of a silent uninstall.
Function un.RemoveSavesWanted
  Push $0
  Push $1
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESAVES" $1
  ${IfNot} ${Errors}
    StrCpy $0 "yes"
  ${Else}
    MessageBox MB_YESNO "Do you also want to delete your saved scores and settings?" /SD IDNO IDYES answeredYes
    StrCpy $0 "no"
    Goto done
    answeredYes:
    StrCpy $0 "yes"
  ${EndIf}
  done:
  Pop $1
  Exch $0
FunctionEnd

Section "Uninstall"
  Delete "$INSTDIR\Scrambolo\scrambolo.exe"
  Delete "$INSTDIR\Scrambolo\bell.wav"
  Delete "$INSTDIR\Scrambolo\buzzer.wav"
  Delete "$INSTDIR\Scrambolo\click.wav"
  Delete "$INSTDIR\Scrambolo\scrambolo.TXT"
  Delete "$INSTDIR\Scrambolo\jmsit32.dll"
  Delete "$INSTDIR\Pebblix\pebblix.exe"
  Delete "$INSTDIR\Pebblix\right.wav"
  Delete "$INSTDIR\Pebblix\wrong.wav"
  Delete "$INSTDIR\Pebblix\gameover.wav"
  Delete "$INSTDIR\Pebblix\readme.txt"
  Delete "$INSTDIR\Pebblix\mswnby32.dll"

  Call un.RemoveSavesWanted
  Pop $0
  ${If} $0 == "yes"
    Delete "$INSTDIR\Scrambolo\highscore.dat"
    Delete "$INSTDIR\Scrambolo\diff.dat"
    Delete "$INSTDIR\Pebblix\pebblixscor.dat"
    Delete "$INSTDIR\Pebblix\pebblixoptions.dat"
  ${EndIf}

  Delete "$SMPROGRAMS\${PRODUCT}\Scrambolo.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Scrambolo help.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Pebblix.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Pebblix help.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  Delete "$INSTDIR\uninstall.exe"
  ; Folders go only when empty, so kept saves keep their folder.
  RMDir "$INSTDIR\Scrambolo"
  RMDir "$INSTDIR\Pebblix"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
