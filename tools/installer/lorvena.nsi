; The Windows installer of Лорвена, for makensis 3.08 (Debian's nsis). Built by
; tools/installer/make-installer.sh, which passes every input as a define:
;   VERSION, VERSION_NUMBERS (1.01 and 1.0.1.0), ARCH, EXE32 and/or EXE64, TABLES (the
;   four default tables), SKINS (the two skins), HELP (Help.htm), ICON, OUTFILE.
;
; ARCH=both: the shipped installer. The 32-bit stub starts on every Windows; it carries
;   both programs and installs the 64-bit one on 64-bit Windows, the 32-bit one elsewhere.
; ARCH=x64: a 64-bit stub with the 64-bit program alone. A 32-bit installer cannot start
;   where no 32-bit code runs, and the 64-bit tree is tested on such machines.
; ARCH=x86: the 32-bit stub with the 32-bit program alone, for the 32-bit tree's test.
;
; The program keeps its tables in its working directory, so they do not go beside the
; program (Program Files is not writable for the user) but into a per-user data folder,
; $APPDATA\Лорвена, with the skins and the help page it also reads from there. The
; shortcuts start the program in that folder. A table is copied only where it is missing,
; so a reinstall keeps the user's data, and the uninstaller never removes a table.

Unicode true

!ifndef ARCH
  !define ARCH both
!endif
!if "${ARCH}" == "x64"
  Target amd64-unicode
!else if "${ARCH}" == "x86"
  Target x86-unicode
!else if "${ARCH}" == "both"
  Target x86-unicode
!else
  !error "ARCH must be both, x64 or x86, not ${ARCH}"
!endif

!macro REQUIRE NAME
  !ifndef ${NAME}
    !error "makensis needs -D${NAME}=... (see make-installer.sh)"
  !endif
!macroend
!insertmacro REQUIRE VERSION
!insertmacro REQUIRE VERSION_NUMBERS
!insertmacro REQUIRE TABLES
!insertmacro REQUIRE SKINS
!insertmacro REQUIRE HELP
!insertmacro REQUIRE ICON
!insertmacro REQUIRE OUTFILE
!if "${ARCH}" != "x86"
  !insertmacro REQUIRE EXE64
!endif
!if "${ARCH}" != "x64"
  !insertmacro REQUIRE EXE32
!endif

!define PRODUCT "Лорвена"
; An ASCII key name: some tools that list installed programs mangle others.
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lorvena"
!define DATADIR "$APPDATA\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
; The 64-bit Program Files is chosen in .onInit where the 64-bit program goes.
InstallDir "$PROGRAMFILES\${PRODUCT}"
; Program Files and the machine's list of installed programs need an administrator.
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION_NUMBERS}"
VIFileVersion "${VERSION_NUMBERS}"
VIAddVersionKey /LANG=1049 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка программы ${PRODUCT} ${VERSION}"
VIAddVersionKey /LANG=1049 "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "© Разработчики «Лорвены», 2026"

!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh
!include FileFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Russian"

; The registry view and the Program Files of the program that this installer puts in.
!macro CHOOSE_VIEW
  !if "${ARCH}" == "x64"
    SetRegView 64
  !else if "${ARCH}" == "both"
    ${If} ${RunningX64}
      SetRegView 64
    ${EndIf}
  !endif
!macroend

Function .onInit
  !insertmacro CHOOSE_VIEW
  !if "${ARCH}" == "both"
    ; Unless /D= named another folder.
    ${If} ${RunningX64}
    ${AndIf} $INSTDIR == "$PROGRAMFILES\${PRODUCT}"
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${EndIf}
  !endif
  ; A reinstall goes where the program already is, unless /D= named another folder.
  ReadRegStr $0 HKLM "${UNINST_KEY}" "InstallLocation"
  ${If} $0 != ""
    ${If} $INSTDIR == "$PROGRAMFILES\${PRODUCT}"
    ${OrIf} $INSTDIR == "$PROGRAMFILES64\${PRODUCT}"
      StrCpy $INSTDIR $0
    ${EndIf}
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro CHOOSE_VIEW
FunctionEnd

Section "Программа и меню «Пуск»" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  !if "${ARCH}" == "both"
    ${If} ${RunningX64}
      File "/oname=lorvena.exe" "${EXE64}"
    ${Else}
      File "/oname=lorvena.exe" "${EXE32}"
    ${EndIf}
  !else if "${ARCH}" == "x64"
    File "/oname=lorvena.exe" "${EXE64}"
  !else
    File "/oname=lorvena.exe" "${EXE32}"
  !endif
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetOutPath "${DATADIR}"
  SetOverwrite off
  File "${TABLES}/Food.DB"
  File "${TABLES}/Сateg.db"
  File "${TABLES}/Menu.DB"
  File "${TABLES}/Diet.DB"
  SetOverwrite on
  File "${SKINS}/iTunes.skn"
  File "${SKINS}/Graphite.skn"
  File "${HELP}"

  ; CreateShortCut takes $OUTDIR, the data folder here, as the working directory.
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\lorvena.exe"

  WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINST_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\lorvena.exe"
  WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

Section "Ярлык на рабочем столе" SecDesktop
  SetOutPath "${DATADIR}"
  CreateShortCut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\lorvena.exe"
SectionEnd

; "Run the program" on the last page: in the data folder, as the shortcuts do.
Function StartProgram
  SetOutPath "${DATADIR}"
  Exec '"$INSTDIR\lorvena.exe"'
FunctionEnd

Section "Uninstall"
  Delete "$INSTDIR\lorvena.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  ; The tables are the user's data and stay; the skins and the help page were ours.
  ; The folder itself goes only if nothing is left in it.
  Delete "${DATADIR}\iTunes.skn"
  Delete "${DATADIR}\Graphite.skn"
  Delete "${DATADIR}\Help.htm"
  RMDir "${DATADIR}"
  DeleteRegKey HKLM "${UNINST_KEY}"
SectionEnd
