# SPDX-License-Identifier: GPL-3.0-or-later
# The installed layout (GNUInstallDirs): the programs in bin, the Windows
# bridge in the package's private folder where they look for it, the demo
# prefix, and what a desktop needs to list the program.
set(FK_APP_ID org.fettlekit.Fettlekit)
set(FK_MINGW_BUILD_DIR ${CMAKE_SOURCE_DIR}/build-mingw CACHE PATH "The Windows cross-build")
set(FK_BRIDGE_EXE ${FK_MINGW_BUILD_DIR}/bin/fettlekit-bridge.exe CACHE FILEPATH
    "fettlekit-bridge.exe to install (scripts/test-windows builds it)")

install(TARGETS fettlekit-reg fettlekit-settings RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Cross-built by the mingw-w64 build, so it may be missing here; scripts/package insists on it.
install(FILES ${FK_BRIDGE_EXE} DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/fettlekit OPTIONAL)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/fettlekit/examples)

install(FILES ${PROJECT_SOURCE_DIR}/data/${FK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${FK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/src/app/resources/fettlekit.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${FK_APP_ID}.svg)

# Manual pages and the changelog go gzipped as Debian has them, without a
# time stamp, so that the same sources give the same package.
find_program(FK_GZIP gzip REQUIRED)
set(FK_GZIPPED_DIR ${CMAKE_BINARY_DIR}/gzipped)
set(FK_GZIPPED)
foreach(file fettlekit.1 fettlekit-reg.1 fettlekit-settings.1 changelog)
  add_custom_command(OUTPUT ${FK_GZIPPED_DIR}/${file}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${FK_GZIPPED_DIR}
    COMMAND sh -c "\"$0\" -9nc \"$1\" > \"$2\"" ${FK_GZIP} ${PROJECT_SOURCE_DIR}/data/${file} ${FK_GZIPPED_DIR}/${file}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/data/${file} VERBATIM)
  list(APPEND FK_GZIPPED ${FK_GZIPPED_DIR}/${file}.gz)
endforeach()
add_custom_target(fk_gzipped ALL DEPENDS ${FK_GZIPPED})
install(FILES ${FK_GZIPPED_DIR}/fettlekit.1.gz ${FK_GZIPPED_DIR}/fettlekit-reg.1.gz ${FK_GZIPPED_DIR}/fettlekit-settings.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/data/fettlekit-settings.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME fettlekit-settings)
# A package built by its own makers is native: its changelog is changelog.gz.
install(FILES ${FK_GZIPPED_DIR}/changelog.gz ${PROJECT_SOURCE_DIR}/data/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/fettlekit)
