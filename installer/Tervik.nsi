; The setup program of Tervik: a per-user install (no administrator rights) into
; %LOCALAPPDATA%\Programs\Tervik with a Start-menu shortcut, an uninstall entry and an optional Run entry.
; Built by cmake/Instalator.cmake:
;   makensis -INPUTCHARSET UTF8 -DVERZE=4.8.5.2 -DPROGRAM=.../Tervik.exe -DZASTUPCE=.../TervikZastupce.exe
;            -DIKONA=.../obrazky/Ikona101.ico -DVYSTUP=.../Tervik-4.8.5.2-setup.exe Tervik.nsi
; Switches for administrators: /S (silent), /D=FOLDER (last), /PRIHLASENI=ano|ne (the Run entry; without it a
; new install has none and an upgrade keeps what was chosen before). The uninstaller takes /S too; silently it
; keeps the settings and data.

!macro POTREBNY_SYMBOL SYMBOL
  !ifndef ${SYMBOL}
    !error "Give VERZE, PROGRAM, ZASTUPCE, IKONA and VYSTUP with -D (see cmake/Instalator.cmake)"
  !endif
!macroend
!insertmacro POTREBNY_SYMBOL VERZE
!insertmacro POTREBNY_SYMBOL PROGRAM
!insertmacro POTREBNY_SYMBOL ZASTUPCE
!insertmacro POTREBNY_SYMBOL IKONA
!insertmacro POTREBNY_SYMBOL VYSTUP

; The name "...-setup.exe" is the one asked for; the manifest's asInvoker level keeps Windows from treating it
; as a legacy installer.
!pragma warning disable 9000

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define PRODUKT "Tervik"
!define VYROBCE "Dunmar Holvent"
!define APP_ID "DunmarHolvent.Tervik.Aplikace"
!define KLIC_ODINSTALACE "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tervik"
!define KLIC_SPUSTENI "Software\Microsoft\Windows\CurrentVersion\Run"
!define HODNOTA_SPUSTENI "Tervik"
!define KLIC_NASTAVENI "Software\Dunmar Holvent\Tervik"
!define ZASTUPCE_MENU "$SMPROGRAMS\Tervik.lnk"
!define ODINSTALACE "Odinstalovat.exe"
; The full application holds this mutex while it runs; its main window has this class.
!define MUTEX_APLIKACE "Tervik4Aplikace"
!define TRIDA_HLAVNIHO_OKNA "RTervik4"
!define SYNCHRONIZE 0x00100000

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

Name "${PRODUKT}"
Caption "Instalace aplikace ${PRODUKT} ${VERZE}"
UninstallCaption "Odinstalace aplikace ${PRODUKT}"
OutFile "${VYSTUP}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Tervik"
; An upgrade goes where the last install went.
InstallDirRegKey HKCU "${KLIC_ODINSTALACE}" "InstallLocation"
BrandingText "${VYROBCE}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${IKONA}"
!define MUI_UNICON "${IKONA}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tervik.exe"
!define MUI_FINISHPAGE_NOREBOOTSUPPORT

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Czech"
!include "Texty.nsh"

VIProductVersion "${VERZE}"
VIFileVersion "${VERZE}"
VIAddVersionKey /LANG=${LANG_CZECH} "ProductName" "${PRODUKT}"
VIAddVersionKey /LANG=${LANG_CZECH} "CompanyName" "${VYROBCE}"
VIAddVersionKey /LANG=${LANG_CZECH} "FileDescription" "Instalace aplikace ${PRODUKT}"
VIAddVersionKey /LANG=${LANG_CZECH} "FileVersion" "${VERZE}"
VIAddVersionKey /LANG=${LANG_CZECH} "ProductVersion" "${VERZE}"
VIAddVersionKey /LANG=${LANG_CZECH} "LegalCopyright" "© ${VYROBCE}"

; Ends a running full application before its files are replaced or removed: asks first (unless silent),
; closes its main window as the user would, and waits for its mutex to go. When it does not end (a dialog of
; it waits for the user), the user may try again; a silent run ends with exit code 2.
!macro FUNKCE_UKONCIT_TERVIK PREDPONA
Function ${PREDPONA}UkoncitTervik
  Push $0
  Push $1
  Push $2
  System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${MUTEX_APLIKACE}") p.r0'
  ${If} $0 P<> 0
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_OKCANCEL|MB_ICONQUESTION "$(TextBezi)" /SD IDOK IDOK +2
      Quit
    DetailPrint "$(TextUkoncuji)"
    ${Do}
      FindWindow $1 "${TRIDA_HLAVNIHO_OKNA}"
      ${If} $1 P<> 0
        System::Call 'user32::PostMessageW(p r1, i ${WM_CLOSE}, p 0, p 0)'
      ${EndIf}
      ; Closing stops every camera (each saves its settings): up to half a minute.
      StrCpy $2 0
      ${Do}
        Sleep 250
        IntOp $2 $2 + 1
        System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${MUTEX_APLIKACE}") p.r0'
        ${If} $0 P= 0
          ${Break}
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r0)'
      ${LoopUntil} $2 >= 120
      ${If} $0 P= 0
        ${Break}
      ${EndIf}
      ${If} ${Silent}
        SetErrorLevel 2
        Quit
      ${EndIf}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(TextNeukoncena)" IDRETRY +2
        Quit
    ${Loop}
  ${EndIf}
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro FUNKCE_UKONCIT_TERVIK ""
!insertmacro FUNKCE_UKONCIT_TERVIK "un."

Section "$(TextSekceProgram)" SekceProgram
  SectionIn RO
  Call UkoncitTervik
  SetOutPath "$INSTDIR"
  SetOverwrite on
  File "/oname=Tervik.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\${ODINSTALACE}"

  ; The shortcut carries the application's AppUserModelID, so that the taskbar groups the running program
  ; (which sets the same ID) under it. NSIS cannot write that property: its own helper does.
  InitPluginsDir
  File "/oname=$PLUGINSDIR\TervikZastupce.exe" "${ZASTUPCE}"
  Delete "${ZASTUPCE_MENU}"
  ExecWait '"$PLUGINSDIR\TervikZastupce.exe" "${ZASTUPCE_MENU}" "$INSTDIR\Tervik.exe" "$INSTDIR" "${APP_ID}" "$(TextPopisZastupce)"' $0
  ${If} $0 != 0
    DetailPrint "$(TextBezId)"
    CreateShortcut "${ZASTUPCE_MENU}" "$INSTDIR\Tervik.exe" "" "$INSTDIR\Tervik.exe" 0 SW_SHOWNORMAL "" "$(TextPopisZastupce)"
  ${EndIf}

  WriteRegStr HKCU "${KLIC_ODINSTALACE}" "DisplayName" "${PRODUKT}"
  WriteRegStr HKCU "${KLIC_ODINSTALACE}" "DisplayVersion" "${VERZE}"
  WriteRegStr HKCU "${KLIC_ODINSTALACE}" "Publisher" "${VYROBCE}"
  WriteRegStr HKCU "${KLIC_ODINSTALACE}" "DisplayIcon" "$INSTDIR\Tervik.exe,0"
  WriteRegStr HKCU "${KLIC_ODINSTALACE}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${KLIC_ODINSTALACE}" "UninstallString" '"$INSTDIR\${ODINSTALACE}"'
  WriteRegStr HKCU "${KLIC_ODINSTALACE}" "QuietUninstallString" '"$INSTDIR\${ODINSTALACE}" /S'
  WriteRegDWORD HKCU "${KLIC_ODINSTALACE}" "NoModify" 1
  WriteRegDWORD HKCU "${KLIC_ODINSTALACE}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${KLIC_ODINSTALACE}" "EstimatedSize" $0
SectionEnd

Section /o "$(TextSekcePrihlaseni)" SekcePrihlaseni
  WriteRegStr HKCU "${KLIC_SPUSTENI}" "${HODNOTA_SPUSTENI}" '"$INSTDIR\Tervik.exe" /automaticky'
SectionEnd

; An upgrade without the option takes back the Run entry an earlier install made.
Section "-BezPrihlaseni"
  ${IfNot} ${SectionIsSelected} ${SekcePrihlaseni}
    DeleteRegValue HKCU "${KLIC_SPUSTENI}" "${HODNOTA_SPUSTENI}"
  ${EndIf}
SectionEnd

Function .onInit
  SetShellVarContext current
  ; The Run entry as chosen by /PRIHLASENI=ano|ne, else as an earlier install left it.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/PRIHLASENI=" $1
  ${If} ${Errors}
    ReadRegStr $1 HKCU "${KLIC_SPUSTENI}" "${HODNOTA_SPUSTENI}"
    ${If} $1 != ""
      StrCpy $1 "ano"
    ${EndIf}
  ${EndIf}
  ${If} $1 == "ano"
    !insertmacro SelectSection ${SekcePrihlaseni}
  ${Else}
    !insertmacro UnselectSection ${SekcePrihlaseni}
  ${EndIf}
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Uninstall"
  Call un.UkoncitTervik
  Delete "$INSTDIR\Tervik.exe"
  Delete "$INSTDIR\${ODINSTALACE}"
  ; Only when empty: whatever else the user keeps there stays.
  RMDir "$INSTDIR"
  Delete "${ZASTUPCE_MENU}"
  DeleteRegValue HKCU "${KLIC_SPUSTENI}" "${HODNOTA_SPUSTENI}"
  DeleteRegKey HKCU "${KLIC_ODINSTALACE}"

  ; Settings and data are the user's: kept unless the user asks otherwise (always kept when silent). The
  ; snapshots and recordings in their own folders are never touched.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(TextSmazatData)" /SD IDNO IDNO ponechatData
    DeleteRegKey HKCU "${KLIC_NASTAVENI}"
    DeleteRegKey /ifempty HKCU "Software\${VYROBCE}"
    RMDir /r "$LOCALAPPDATA\${VYROBCE}\Tervik"
    RMDir "$LOCALAPPDATA\${VYROBCE}"
  ponechatData:
SectionEnd
