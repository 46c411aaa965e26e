# Packaging of the Windows program with CPack: a portable zip and an NSIS installer.
#
#   cpack                    (in the Windows build folder) makes both;
#   cpack -G ZIP             only the zip, cpack -G NSIS only the installer.
#
# The package holds orvanta2.exe at its root, the skin folders as Skin/<Name>/ and a short
# readme. The installer installs for the current user or, for an administrator who chooses
# so, for all users; it puts a Start-menu shortcut "Orvanta 2" to the program, and its
# uninstaller removes the program's files only: the settings in HKCU\Software\VB and VBA
# Program Settings\Orvanta 2 stay.

install(TARGETS orvanta2 RUNTIME DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/skins/ DESTINATION Skin)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/readme.txt DESTINATION .)

set(CPACK_PACKAGE_NAME "Orvanta 2")
# The same publisher as in the exe's own version information.
set(CPACK_PACKAGE_VENDOR "Мастерская Орванта")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Orvanta 2: the sound at the sound card's input as a moving picture")
set(ORVANTA_PACKAGE_FILE_NAME "Orvanta2-${CPACK_PACKAGE_VERSION}-win64")
set(CPACK_PACKAGE_FILE_NAME "${ORVANTA_PACKAGE_FILE_NAME}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Orvanta 2")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Orvanta 2")
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/packaging/readme.txt)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES OFF)

# The zip unpacks into one folder, from which the program runs as it is.
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/cpack_options.cmake)

# The installer, from our own script packaging/NSIS.template.in: per-user or per-machine,
# a Start-menu shortcut to the exe (whose own icon it shows), and an uninstaller.
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging)
set(CPACK_PACKAGE_VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
set(CPACK_PACKAGE_VERSION_MINOR ${PROJECT_VERSION_MINOR})
set(CPACK_NSIS_ORVANTA_EXE orvanta2.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/orvanta2.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/orvanta2.ico)

include(CPack)
