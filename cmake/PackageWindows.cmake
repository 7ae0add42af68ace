# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer (NSIS: Program Files, a Start menu entry, an
# uninstaller, the license on its own page) and a ZIP of the same folder for
# use without installing: `cpack` in the Windows build folder, which
# scripts/package-windows runs with Debian's makensis.
# The license page and the ZIP carry it with Windows' line ends.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE fk_license)
string(REPLACE "\n" "\r\n" fk_license "${fk_license}")
file(WRITE ${CMAKE_BINARY_DIR}/LICENSE.txt "${fk_license}")
install(FILES ${CMAKE_BINARY_DIR}/LICENSE.txt DESTINATION .)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Fettlekit)
set(CPACK_PACKAGE_VENDOR "The Fettlekit developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the hidden settings of Brisko!")
set(CPACK_PACKAGE_FILE_NAME fettlekit-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Fettlekit)
set(CPACK_PACKAGE_EXECUTABLES fettlekit Fettlekit)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_BINARY_DIR}/LICENSE.txt)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)

set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Fettlekit)
set(CPACK_NSIS_DISPLAY_NAME Fettlekit)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME fettlekit.exe)
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/bin/fettlekit.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_BINARY_DIR}/bin/fettlekit.ico)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# A 64-bit installer for the 64-bit program: Program Files and the registry's
# own view, not the 32-bit ones.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
include(CPack)
