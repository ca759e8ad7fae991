; SPDX-FileCopyrightText: 2026 The Quintara developers
; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: a per-user install (no administrator rights) with a Start-menu entry
; and an uninstaller. scripts/package-windows passes VERSION, STAGE (the folder with the files
; to install), ICON and OUTFILE.
Unicode true
SetCompressor /SOLID lzma

Name "Quintara"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Quintara"
InstallDirRegKey HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quintara" "InstallLocation"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "Quintara"
VIAddVersionKey /LANG=1033 "FileDescription" "Quintara installer"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "The Quintara developers"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright 2026 The Quintara developers, GNU GPL version 3 or later"

LicenseData "${STAGE}\COPYING.txt"
Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quintara"

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${STAGE}\Quintara.exe"
  File "${STAGE}\quintara-calc.exe"
  File "${STAGE}\COPYING.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Quintara.lnk" "$INSTDIR\Quintara.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quintara"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Quintara developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quintara.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Quintara.lnk"
  Delete "$INSTDIR\Quintara.exe"
  Delete "$INSTDIR\quintara-calc.exe"
  Delete "$INSTDIR\COPYING.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
