# The installed layout (GNUInstallDirs): both programs in bin, the Windows
# bridge in the package's private folder where they look for it, the demo
# prefix, and what a desktop needs to list the program.
set(FK_APP_ID org.fettlekit.Fettlekit)
set(FK_MINGW_BUILD_DIR ${CMAKE_SOURCE_DIR}/build-mingw CACHE PATH "The Windows cross-build")
set(FK_BRIDGE_EXE ${FK_MINGW_BUILD_DIR}/src/platform/bridge/fettlekit-bridge.exe CACHE FILEPATH
    "fettlekit-bridge.exe to install (scripts/test-windows builds it)")

install(TARGETS fettlekit-reg RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Cross-built by the mingw-w64 build, so it may be missing here; scripts/package insists on it.
install(FILES ${FK_BRIDGE_EXE} DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/fettlekit OPTIONAL)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/fettlekit/examples)

install(FILES ${PROJECT_SOURCE_DIR}/data/${FK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${FK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/src/app/resources/fettlekit.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${FK_APP_ID}.svg)
install(FILES ${PROJECT_SOURCE_DIR}/data/fettlekit.1 ${PROJECT_SOURCE_DIR}/data/fettlekit-reg.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
