; The installer of Kelvaro Tralvex. The build runs makensis with
;   -DVERSION=x.y.z         the program's version (project VERSION in CMakeLists.txt)
;   -DTARGET=x86-unicode    or amd64-unicode
;   -DPROGRAM_FOLDER=path   the built program folder (dist/win32 or dist/win64)
;   -DOUTFILE=path          the installer to write
; It installs into "Kelvaro\Kelvaro Tralvex" of the 32-bit Program Files folder,
; where the firewall rule of the program expects Tralvex.exe, and registers
; itself in the 32-bit view of the list of installed programs, whatever the
; stub's own architecture.

Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"

!define PRODUCT "Kelvaro Tralvex"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Kelvaro\${PRODUCT}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${NSISDIR}\Contrib\Graphics\Icons\modern-install.ico"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tralvex.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The installer speaks the user's language when it is one of the program's
; languages that NSIS has; English otherwise (the first one loaded).
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Korean"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "TradChinese"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "Norwegian"
!insertmacro MUI_LANGUAGE "Finnish"
!insertmacro MUI_LANGUAGE "Danish"
!insertmacro MUI_LANGUAGE "Swedish"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "Portuguese"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Turkish"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "Ukrainian"
!insertmacro MUI_LANGUAGE "Arabic"
!insertmacro MUI_LANGUAGE "Greek"
!insertmacro MUI_LANGUAGE "Hungarian"
!insertmacro MUI_LANGUAGE "Czech"
!insertmacro MUI_LANGUAGE "Romanian"
!insertmacro MUI_LANGUAGE "Bulgarian"
!insertmacro MUI_LANGUAGE "Croatian"
!insertmacro MUI_LANGUAGE "SerbianLatin"
!insertmacro MUI_LANGUAGE "Slovak"
!insertmacro MUI_LANGUAGE "Slovenian"
!insertmacro MUI_LANGUAGE "Hebrew"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "Kelvaro"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Kelvaro"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"

; The folder the firewall rule names for the program: %ProgramFiles(x86)% on
; 64-bit Windows, %ProgramFiles% on 32-bit Windows, where the first is not set.
Function .onInit
  ExpandEnvStrings $0 "%ProgramFiles(x86)%"
  StrCmp $0 "%ProgramFiles(x86)%" 0 +2
    ExpandEnvStrings $0 "%ProgramFiles%"
  StrCpy $INSTDIR "$0\Kelvaro\${PRODUCT}"
FunctionEnd

; The files of one program folder: the program, its languages and help, its
; settings, the rule template, the follow-up task definitions and the tool
; folders with the note on what goes into them (the tool itself is not ours
; to ship).
!macro ProgramFiles FROM DIR
  SetOutPath "${DIR}"
  File "${FROM}/Tralvex.exe"
  File "${FROM}/Tralvex.ini"
  File "${FROM}/MigCustom.xml"
  File "${FROM}/Tralvex.xml"
  File "${FROM}/Tralvex_64.xml"
  File /r "${FROM}/Lang"
  File /r "${FROM}/Help"
  SetOutPath "${DIR}\x86"
  File "${FROM}/x86/Readme.txt"
  SetOutPath "${DIR}\x64"
  File "${FROM}/x64/Readme.txt"
!macroend

Section
  SetShellVarContext all
  SetRegView 32

  !insertmacro ProgramFiles "${PROGRAM_FOLDER}" "$INSTDIR"
  ; The portable copy that the program's copy action carries to the other PC.
  !insertmacro ProgramFiles "${PROGRAM_FOLDER}/Tralvex" "$INSTDIR\Tralvex"

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\${PRODUCT}.lnk" "$INSTDIR\Tralvex.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Kelvaro"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tralvex.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; What the program itself leaves in a program folder during a migration.
!macro RunFiles DIR
  Delete "${DIR}\PCInfo.txt"
  Delete "${DIR}\Applist.ini"
  Delete "${DIR}\StoreTotal.txt"
  Delete "${DIR}\TVX_LOG.txt"
  Delete "${DIR}\progress.txt"
  Delete "${DIR}\progress_load.txt"
  Delete "${DIR}\list.txt"
  RMDir /r "${DIR}\USMT"
!macroend

!macro RemoveProgramFolder DIR
  Delete "${DIR}\Tralvex.exe"
  Delete "${DIR}\Tralvex.ini"
  Delete "${DIR}\MigCustom.xml"
  Delete "${DIR}\Tralvex.xml"
  Delete "${DIR}\Tralvex_64.xml"
  RMDir /r "${DIR}\Lang"
  RMDir /r "${DIR}\Help"
  ; The tool folders hold the tool the user added and the rule files of the runs.
  RMDir /r "${DIR}\x86"
  RMDir /r "${DIR}\x64"
  !insertmacro RunFiles "${DIR}"
  RMDir "${DIR}"
!macroend

Section Uninstall
  SetShellVarContext all
  SetRegView 32

  !insertmacro RemoveProgramFolder "$INSTDIR\Tralvex"
  !insertmacro RemoveProgramFolder "$INSTDIR"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  ; The maker's folder goes when nothing else of the maker is in it.
  RMDir "$INSTDIR\.."

  Delete "${MENU_FOLDER}\${PRODUCT}.lnk"
  RMDir "${MENU_FOLDER}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
