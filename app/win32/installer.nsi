; The Windows installer: varnel.exe under Program Files\Varnel for all users
; (or the user's own Programs folder for the current user only), a Start-menu
; entry, "Abrir con" for GPX, KML, KMZ, FIT, TCX, TwoNav and GeoJSON files (never their default program) and
; an uninstaller in "Apps and features". Texts in Spanish.
; makensis -DVERSION=... -DVERSION_WINDOWS=... -DPROGRAMA=... -DLEAME=... -DICONO=... -DSALIDA=... installer.nsi
; (scripts/build-windows.sh passes the version CMake's project() gives)
Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!define PRODUCTO "Varnel"
!define CLAVE_DESINSTALAR "Software\Microsoft\Windows\CurrentVersion\Uninstall\Varnel"
!define CLAVE_PROGRAMA "Software\Varnel"
; Under HKLM or HKCU as the install is for all users or for one.
!define CLAVE_APLICACION "Software\Classes\Applications\varnel.exe"
!define PROGID "Varnel.FicheroGps"
!define CLAVE_PROGID "Software\Classes\${PROGID}"
!define ORDEN_ABRIR '"$INSTDIR\varnel.exe" "%1"'

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "Varnel"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${CLAVE_PROGRAMA}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "Carpeta"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${CLAVE_PROGRAMA}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "Modo"
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE "Su cuenta no tiene permisos para instalar $(^Name) para todos los usuarios de este ordenador."
!include MultiUser.nsh
!include MUI2.nsh
!include x64.nsh

Name "${PRODUCTO} ${VERSION}"
OutFile "${SALIDA}"
BrandingText "${PRODUCTO} ${VERSION}"

!define MUI_ICON "${ICONO}"
!define MUI_UNICON "${ICONO}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\varnel.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\LÉAME.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
; NSIS's own Spanish text has a typo here ("Instación").
!define MULTIUSER_INSTALLMODEPAGE_TEXT_ALLUSERS "Instalación para todos los usuarios de este ordenador"
!define MULTIUSER_INSTALLMODEPAGE_TEXT_CURRENTUSER "Instalación solo para mí"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

VIProductVersion "${VERSION_WINDOWS}"
VIFileVersion "${VERSION_WINDOWS}"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductName" "${PRODUCTO}"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileDescription" "Instalador de ${PRODUCTO}"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "LegalCopyright" "Equipo Varnel"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_OK|MB_ICONSTOP "${PRODUCTO} necesita Windows de 64 bits."
    Abort
  ${EndIf}
  SetRegView 64
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "${PRODUCTO}"
  SetOutPath "$INSTDIR"
  File "/oname=varnel.exe" "${PROGRAMA}"
  File "/oname=LÉAME.txt" "${LEAME}"
  WriteUninstaller "$INSTDIR\desinstalar.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCTO}.lnk" "$INSTDIR\varnel.exe" "" "$INSTDIR\varnel.exe" 0

  WriteRegStr SHCTX "${CLAVE_PROGRAMA}" "Carpeta" "$INSTDIR"
  WriteRegStr SHCTX "${CLAVE_PROGRAMA}" "Modo" "$MultiUser.InstallMode"
  WriteRegStr SHCTX "${CLAVE_DESINSTALAR}" "DisplayName" "${PRODUCTO}"
  WriteRegStr SHCTX "${CLAVE_DESINSTALAR}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${CLAVE_DESINSTALAR}" "DisplayIcon" "$INSTDIR\varnel.exe"
  WriteRegStr SHCTX "${CLAVE_DESINSTALAR}" "Publisher" "Equipo Varnel"
  WriteRegStr SHCTX "${CLAVE_DESINSTALAR}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${CLAVE_DESINSTALAR}" "UninstallString" '"$INSTDIR\desinstalar.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${CLAVE_DESINSTALAR}" "QuietUninstallString" '"$INSTDIR\desinstalar.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${CLAVE_DESINSTALAR}" "NoModify" 1
  WriteRegDWORD SHCTX "${CLAVE_DESINSTALAR}" "NoRepair" 1
  WriteRegDWORD SHCTX "${CLAVE_DESINSTALAR}" "EstimatedSize" ${TAMANO_KB}

  ; "Abrir con": the program for its types, and a ProgID listed beside the
  ; extension's own default, which stays whatever it is.
  WriteRegStr SHCTX "${CLAVE_APLICACION}" "FriendlyAppName" "${PRODUCTO}"
  ; Explorer starts the command once per selected file; the program joins
  ; them into one run. Player: the verb stays offered past 15 files.
  WriteRegStr SHCTX "${CLAVE_APLICACION}\shell\open" "MultiSelectModel" "Player"
  WriteRegStr SHCTX "${CLAVE_APLICACION}\shell\open\command" "" '${ORDEN_ABRIR}'
  WriteRegStr SHCTX "${CLAVE_APLICACION}\SupportedTypes" ".gpx" ""
  WriteRegStr SHCTX "${CLAVE_APLICACION}\SupportedTypes" ".kml" ""
  WriteRegStr SHCTX "${CLAVE_APLICACION}\SupportedTypes" ".fit" ""
  WriteRegStr SHCTX "${CLAVE_APLICACION}\SupportedTypes" ".kmz" ""
  WriteRegStr SHCTX "${CLAVE_APLICACION}\SupportedTypes" ".tcx" ""
  WriteRegStr SHCTX "${CLAVE_APLICACION}\SupportedTypes" ".geojson" ""
  WriteRegStr SHCTX "${CLAVE_APLICACION}\SupportedTypes" ".trk" ""
  WriteRegStr SHCTX "${CLAVE_PROGID}" "" "Fichero GPS (Varnel)"
  WriteRegStr SHCTX "${CLAVE_PROGID}\DefaultIcon" "" "$INSTDIR\varnel.exe,0"
  WriteRegStr SHCTX "${CLAVE_PROGID}\shell\open" "MultiSelectModel" "Player"
  WriteRegStr SHCTX "${CLAVE_PROGID}\shell\open\command" "" '${ORDEN_ABRIR}'
  WriteRegNone SHCTX "Software\Classes\.gpx\OpenWithProgids" "${PROGID}"
  WriteRegNone SHCTX "Software\Classes\.kml\OpenWithProgids" "${PROGID}"
  WriteRegNone SHCTX "Software\Classes\.fit\OpenWithProgids" "${PROGID}"
  WriteRegNone SHCTX "Software\Classes\.kmz\OpenWithProgids" "${PROGID}"
  WriteRegNone SHCTX "Software\Classes\.tcx\OpenWithProgids" "${PROGID}"
  WriteRegNone SHCTX "Software\Classes\.geojson\OpenWithProgids" "${PROGID}"
  WriteRegNone SHCTX "Software\Classes\.trk\OpenWithProgids" "${PROGID}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'  ; SHCNE_ASSOCCHANGED
SectionEnd

; Takes the ProgID off an extension, and the keys it leaves empty, never a
; value or key another program put there.
!macro QuitarDeAbrirCon EXTENSION
  DeleteRegValue SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifnosubkeys /ifnovalues SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids"
  DeleteRegKey /ifnosubkeys /ifnovalues SHCTX "Software\Classes\${EXTENSION}"
!macroend

Section "Uninstall"
  Delete "$INSTDIR\varnel.exe"
  Delete "$INSTDIR\LÉAME.txt"
  Delete "$INSTDIR\desinstalar.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCTO}.lnk"
  DeleteRegKey SHCTX "${CLAVE_DESINSTALAR}"
  ; Only the values written here: the program keeps the user's settings in
  ; HKCU\${CLAVE_PROGRAMA}\varnel, which stay as ~/.config/Varnel does on Linux.
  DeleteRegValue SHCTX "${CLAVE_PROGRAMA}" "Carpeta"
  DeleteRegValue SHCTX "${CLAVE_PROGRAMA}" "Modo"
  DeleteRegKey /ifnosubkeys /ifnovalues SHCTX "${CLAVE_PROGRAMA}"
  DeleteRegKey SHCTX "${CLAVE_APLICACION}"
  DeleteRegKey SHCTX "${CLAVE_PROGID}"
  !insertmacro QuitarDeAbrirCon ".gpx"
  !insertmacro QuitarDeAbrirCon ".kml"
  !insertmacro QuitarDeAbrirCon ".fit"
  !insertmacro QuitarDeAbrirCon ".kmz"
  !insertmacro QuitarDeAbrirCon ".tcx"
  !insertmacro QuitarDeAbrirCon ".geojson"
  !insertmacro QuitarDeAbrirCon ".trk"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
