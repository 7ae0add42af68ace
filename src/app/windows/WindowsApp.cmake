# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows parts of the window: its command line and start-up, and the
# program's picture drawn from the SVG (Debian's archive serves no source of
# Qt SVG to build it for Windows).
target_sources(fk_app PRIVATE windows/AppIconPng.cpp windows/WindowsCommandLine.cpp windows/WindowsStartUp.cpp)
include(DrawnPictures)
fk_draw_pictures(${CMAKE_CURRENT_SOURCE_DIR}/resources/fettlekit.svg ${CMAKE_CURRENT_BINARY_DIR}/pictures pngs)
qt_add_resources(fk_app fettlekit_pictures PREFIX /fettlekit BASE ${CMAKE_CURRENT_BINARY_DIR}/pictures FILES ${pngs})
