# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program: one self-contained fettlekit.exe over the static Qt,
# with its icon, manifest and version.
set_target_properties(fettlekit PROPERTIES WIN32_EXECUTABLE ON)
if(MINGW)
  # A release program leaves its symbols behind.
  target_link_options(fettlekit PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
endif()

# Explorer's icon; the largest size stays PNG inside it, as Windows reads it.
find_program(FK_ICOTOOL icotool REQUIRED)
include(DrawnPictures)
set(drawn ${CMAKE_CURRENT_BINARY_DIR}/pictures)
fk_draw_pictures(${PROJECT_SOURCE_DIR}/src/app/resources/fettlekit.svg ${drawn} pngs)
set(FK_ICON ${PROJECT_BINARY_DIR}/bin/fettlekit.ico)
list(FILTER pngs EXCLUDE REGEX "-256[.]png$")
add_custom_command(OUTPUT ${FK_ICON}
  COMMAND ${FK_ICOTOOL} --create --output ${FK_ICON} ${pngs} --raw=${drawn}/fettlekit-256.png
  DEPENDS ${pngs} ${drawn}/fettlekit-256.png VERBATIM)
set(FK_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/fettlekit.manifest)
configure_file(windows/fettlekit.manifest.in ${FK_MANIFEST} @ONLY)
configure_file(windows/fettlekit.rc.in ${CMAKE_CURRENT_BINARY_DIR}/fettlekit.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/fettlekit.rc PROPERTIES OBJECT_DEPENDS "${FK_ICON};${FK_MANIFEST}")
target_sources(fettlekit PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/fettlekit.rc ${FK_ICON})
