# The Windows packages of one build: an NSIS installer,
# ZeF-<version>-win64.exe or -win32.exe, and a portable zip of the same files
# (the programs, the example files, a short README and the licence).
set(CPACK_GENERATOR NSIS ZIP)
# The NSIS lines below hold quotes and backslashes that CPack must pass on as they are.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME ZeF)
set(CPACK_PACKAGE_INSTALL_DIRECTORY ZeF)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ZeF)
set(CPACK_NSIS_PACKAGE_NAME ZeF)
set(CPACK_NSIS_DISPLAY_NAME ZeF)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The program knows an installed copy by the uninstaller beside it
# (IsInstalledCopy), so its name is fixed.
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
set(CPACK_NSIS_INSTALLED_ICON_NAME zef-plan.exe)
if(TARGET zef)
  set(CPACK_NSIS_INSTALLED_ICON_NAME zef.exe)
  # The window reads and writes the plan files in the folder it starts in:
  # the player's own folder, as the Linux window from the desktop, never the
  # installation folder, which only an administrator may write. The shortcut
  # keeps the variable, so each player starts in their own.
  set(CPACK_NSIS_CREATE_ICONS_EXTRA [[
  StrCpy $OUTDIR "%USERPROFILE%"
  CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\ZeF.lnk" "$INSTDIR\zef.exe" "" "$INSTDIR\zef.exe" 0
  SetOutPath "$INSTDIR"]])
  # The installer and the uninstaller show the program's own icon.
  set(CPACK_NSIS_MUI_ICON ${ZEF_ICON_FILE})
  set(CPACK_NSIS_MUI_UNIICON ${ZEF_ICON_FILE})
  set(CPACK_NSIS_DELETE_ICONS_EXTRA [[  Delete "$SMPROGRAMS\$MUI_TEMP\ZeF.lnk"]])
  set(window_line "zef.exe       the window\r\n")
endif()
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_NSIS_DEFINES "Target amd64-unicode")
else()
  set(CPACK_NSIS_DEFINES "Target x86-unicode")
endif()

# The installer speaks Czech, as the program does: CMake's own installer
# script with its list of languages replaced by NSIS's Czech.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in cmake_script)
string(REGEX REPLACE "(  !insertmacro MUI_LANGUAGE [^\n]*\n)+" "  !insertmacro MUI_LANGUAGE \"Czech\"\n" czech_script
       "${cmake_script}")
if(czech_script STREQUAL cmake_script)
  message(FATAL_ERROR "CMake's NSIS script has no list of languages to replace")
endif()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/nsis/NSIS.template.in "${czech_script}")
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_BINARY_DIR}/nsis)

# The packages bring no DLLs: CPack refuses a program that needs one Windows
# does not have.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/system_dlls_only.cmake)
set(CPACK_ZEF_OBJDUMP ${CMAKE_OBJDUMP})

# Texts with the line ends Windows' editors expect.
configure_file(${CMAKE_CURRENT_LIST_DIR}/README.txt README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/examples/arm.txt ${PROJECT_SOURCE_DIR}/examples/rekrut.txt DESTINATION examples)
