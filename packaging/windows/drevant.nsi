; SPDX-License-Identifier: GPL-3.0-or-later
; The installers of the Windows packages, one script for both (cmake/WindowsPackaging.cmake):
;   makensis -DPACKAGE=student|teacher -DPRODUCT=... -DVERSION=... -DSOURCE=<folder>
;            -DICON=<.ico> -DOUTFILE=<setup.exe> drevant.nsi
; The installer asks whether to install for the current user only (no administrator rights
; needed: %LOCALAPPDATA%\Programs) or for every user (Program Files); /CurrentUser and
; /AllUsers choose on the command line, /S installs silently. It adds a Start-menu entry and an
; uninstaller listed in Windows' "Apps".
; A 64-bit installer, as the programs are: it runs wherever they do (and under a 64-bit-only
; Wine, which the tests use).
Target amd64-unicode
SetCompressor /SOLID lzma

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!include MultiUser.nsh
!include MUI2.nsh

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"

!insertmacro MUI_PAGE_LICENSE "${SOURCE}\LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} installer"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "GPL-3.0-or-later"

Function .onInit
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Install"
    SetOutPath "$INSTDIR"
    File /r "${SOURCE}\*.*"
    File "/oname=drevant.ico" "${ICON}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
!if ${PACKAGE} == "student"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\Drevant.lnk" "$INSTDIR\drevant.exe"
!else
    ; drevant-key is a command-line program: a command prompt in Documents that finds it.
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\Drevant Key command prompt.lnk" "$SYSDIR\cmd.exe" \
        '/k "cd /d "%USERPROFILE%\Documents" && set "PATH=$INSTDIR;%PATH%" && drevant-key --help"' \
        "$INSTDIR\drevant.ico"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\Teacher's guide.lnk" "$INSTDIR\teacher-guide.txt"
!endif
    CreateShortCut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\uninstall.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\drevant.ico"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Drevant"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    RMDir /r "$SMPROGRAMS\${PRODUCT}"
!if ${PACKAGE} == "student"
    Delete "$INSTDIR\drevant.exe"
    Delete "$INSTDIR\README.txt"
!else
    Delete "$INSTDIR\drevant-key.exe"
    Delete "$INSTDIR\teacher-guide.txt"
    Delete "$INSTDIR\README.txt"
!endif
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\drevant.ico"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
