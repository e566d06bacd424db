; The installer of vorlane and extracteur for Windows: for the player alone, without the rights
; of an administrator, into %LOCALAPPDATA%\Programs\vorlane; Start-menu entries; an uninstaller
; that "Applications" of the Settings lists, which removes the program and keeps the player's
; own lists and progress (%APPDATA%\vorlane). /S installs and uninstalls without a question.
;
; scripts/windows/pack.sh runs it with:
;   VERSION    the version of the programs, 1.0.0
;   STAGE      the installed folder to carry (bin\, share\), as `cmake --install` lays it out
;   FILES      a script that deletes each file of STAGE from $INSTDIR and then its folders
;   OUTFILE    the installer to write
;   ICON       vorlane's icon, for the installer and the uninstaller

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "vorlane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\vorlane"
!define UNINSTALLER "désinstaller.exe"
!define MENU "$SMPROGRAMS\vorlane"

Name "vorlane et extracteur"
Caption "Installation de vorlane et extracteur ${VERSION}"
UninstallCaption "Désinstallation de vorlane et extracteur"
BrandingText "vorlane ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\vorlane"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1036 "ProductName" "vorlane et extracteur"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation de vorlane et extracteur"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "LegalCopyright" "vorlane"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Ce programme installe pour vous seul, sans droits d'administrateur :$\r$\n$\r$\n\
  - vorlane, l'entraînement aux nouveaux mots du Scrabble avec ses 34 listes ;$\r$\n\
  - extracteur, l'atelier qui prépare les fichiers de listes.$\r$\n$\r$\n\
  Vos propres listes et votre progression, dans votre dossier AppData\Roaming\vorlane, ne sont \
  jamais touchées, ni par l'installation ni par la désinstallation.$\r$\n$\r$\n\
  Cliquez sur Suivant pour continuer."
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\vorlane.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Lancer vorlane"
!define MUI_UNCONFIRMPAGE_TEXT_TOP "vorlane et extracteur vont être enlevés de ce dossier. Vos \
  propres listes et votre progression (dossier AppData\Roaming\vorlane) sont gardées."

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Section "vorlane et extracteur"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; Shortcuts start in the folder of the programs: a list under a working folder's data\ is
  ; one the player puts there on purpose. The import entry opens the window that asks for the
  ; player's file: a shortcut has no file to give, and no console to say so.
  CreateDirectory "${MENU}"
  SetOutPath "$INSTDIR\bin"
  CreateShortCut "${MENU}\vorlane.lnk" "$INSTDIR\bin\vorlane.exe" "" \
    "$INSTDIR\bin\vorlane.exe" 0 SW_SHOWNORMAL "" \
    "Entraînement aux nouveaux mots du Scrabble, sur 34 listes"
  CreateShortCut "${MENU}\extracteur.lnk" "$INSTDIR\bin\extracteur.exe" "" \
    "$INSTDIR\bin\extracteur.exe" 0 SW_SHOWNORMAL "" \
    "Atelier de préparation des fichiers de listes de vorlane"
  CreateShortCut "${MENU}\Fabriquer mes listes à partir de mes mots….lnk" \
    "$INSTDIR\bin\vorlane.exe" "--fabriquer" "$INSTDIR\bin\vorlane.exe" 0 SW_SHOWNORMAL "" \
    "vorlane : fabriquer les 34 listes à partir de votre propre liste de nouveaux mots"
  CreateShortCut "${MENU}\Désinstaller vorlane.lnk" "$INSTDIR\${UNINSTALLER}" "" \
    "$INSTDIR\${UNINSTALLER}" 0 SW_SHOWNORMAL "" "Enlever vorlane et extracteur de cet ordinateur"

  ; "Applications" in the Settings, for this user only.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "vorlane et extracteur"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "vorlane"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Comments" \
    "Entraînement aux nouveaux mots du Scrabble (vorlane) et son atelier de listes (extracteur)"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\vorlane.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Only what the installer put there goes, file by file: a folder chosen for the installation
; may hold other files, and the player's own lists and progress live elsewhere
; (%APPDATA%\vorlane), untouched.
Section "Uninstall"
  SetShellVarContext current
  Delete "${MENU}\vorlane.lnk"
  Delete "${MENU}\extracteur.lnk"
  Delete "${MENU}\Fabriquer mes listes à partir de mes mots….lnk"
  Delete "${MENU}\Désinstaller vorlane.lnk"
  RMDir "${MENU}"

  !include "${FILES}"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
