; The VELKView installer for 64-bit Windows: per machine, under Program Files, with a
; Start-menu entry, "Open with" and an "Open in VELKView" command for .txt files, and an
; uninstaller. makensis -DVERSION=<version> -DFILEVERSION=<a.b.c.d> -DSTAGE=<folder of the
; program's files> -DOUTFILE=<setup.exe> velkview.nsi (scripts/build-windows.sh does this).
Unicode true
; Debian's makensis defaults to a 32-bit stub, which a 64-bit-only Windows (or wine64) cannot
; run: the installer would do nothing.
Target amd64-unicode
SetCompressor /SOLID lzma

!define APP "VELKView"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define PROGID "VELKView.Measurement"

Name "${APP}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP}"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show
VIProductVersion "${FILEVERSION}"
VIAddVersionKey "ProductName" "${APP}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${APP} installer"
VIAddVersionKey "LegalCopyright" "2026 the VELKView authors"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section "VELKView"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The program keeps VELKView.cfg in its working folder, which must be writable: the
  ; shortcut starts it in the user's documents (the shell expands the variable per user).
  CreateDirectory "$SMPROGRAMS\${APP}"
  StrCpy $OUTDIR "%USERPROFILE%\Documents"
  CreateShortcut "$SMPROGRAMS\${APP}\${APP}.lnk" "$INSTDIR\velkview.exe" "" "$INSTDIR\velkview.exe" 0
  SetOutPath "$INSTDIR"

  ; Windows matches a file's type by its last extension only, so the amplitude files
  ; (*_amp.txt) cannot have a type of their own: VELKView is offered for every .txt file,
  ; in "Open with" and as a command of its own, and never becomes the default for .txt.
  WriteRegStr HKLM "Software\Classes\${PROGID}" "" "VELKView measurement"
  WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" '"$INSTDIR\velkview.exe",0'
  WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\velkview.exe" "%1"'
  WriteRegStr HKLM "Software\Classes\.txt\OpenWithProgids" "${PROGID}" ""
  WriteRegStr HKLM "Software\Classes\Applications\velkview.exe" "FriendlyAppName" "${APP}"
  WriteRegStr HKLM "Software\Classes\Applications\velkview.exe\SupportedTypes" ".txt" ""
  WriteRegStr HKLM "Software\Classes\Applications\velkview.exe\shell\open\command" "" '"$INSTDIR\velkview.exe" "%1"'
  WriteRegStr HKLM "Software\Classes\SystemFileAssociations\.txt\shell\${APP}" "" "Open in VELKView"
  WriteRegStr HKLM "Software\Classes\SystemFileAssociations\.txt\shell\${APP}" "Icon" '"$INSTDIR\velkview.exe",0'
  WriteRegStr HKLM "Software\Classes\SystemFileAssociations\.txt\shell\${APP}\command" "" '"$INSTDIR\velkview.exe" "%1"'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The VELKView authors"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\velkview.exe",0'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${APP}\${APP}.lnk"
  RMDir "$SMPROGRAMS\${APP}"
  DeleteRegKey HKLM "Software\Classes\SystemFileAssociations\.txt\shell\${APP}"
  DeleteRegKey HKLM "Software\Classes\Applications\velkview.exe"
  DeleteRegValue HKLM "Software\Classes\.txt\OpenWithProgids" "${PROGID}"
  DeleteRegKey HKLM "Software\Classes\${PROGID}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; Only what the installer put there: the folder may have been chosen with other files in it.
  !include "${STAGE}\..\uninstall-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
