# The Windows program: one self-contained fettlekit.exe over the static Qt,
# on the current user's registry, with its icon, manifest and version.
target_sources(fk_app PRIVATE windows/AppIconPng.cpp windows/WindowsCommandLine.cpp windows/WindowsStartUp.cpp)
set_target_properties(fettlekit PROPERTIES WIN32_EXECUTABLE ON)
if(MINGW)
  # A release program leaves its symbols behind.
  target_link_options(fettlekit PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
endif()

# Debian's archive serves no source of Qt SVG to build it for Windows, so
# the picture is drawn from the SVG here, into PNGs and the program's icon.
find_program(FK_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(FK_ICOTOOL icotool REQUIRED)
set(svg ${CMAKE_CURRENT_SOURCE_DIR}/resources/fettlekit.svg)
set(drawn ${CMAKE_CURRENT_BINARY_DIR}/pictures)
set(pngs)
foreach(size 16 24 32 48 64 256)
  add_custom_command(OUTPUT ${drawn}/fettlekit-${size}.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${drawn}
    COMMAND ${FK_RSVG_CONVERT} --width ${size} --height ${size} --output ${drawn}/fettlekit-${size}.png ${svg}
    DEPENDS ${svg} VERBATIM)
  list(APPEND pngs ${drawn}/fettlekit-${size}.png)
endforeach()
qt_add_resources(fk_app fettlekit_pictures PREFIX /fettlekit BASE ${drawn} FILES ${pngs})

# Explorer's icon; the largest size stays PNG inside it, as Windows reads it.
set(FK_ICON ${CMAKE_CURRENT_BINARY_DIR}/fettlekit.ico)
list(FILTER pngs EXCLUDE REGEX "-256[.]png$")
add_custom_command(OUTPUT ${FK_ICON}
  COMMAND ${FK_ICOTOOL} --create --output ${FK_ICON} ${pngs} --raw=${drawn}/fettlekit-256.png
  DEPENDS ${pngs} ${drawn}/fettlekit-256.png VERBATIM)
set(FK_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/fettlekit.manifest)
configure_file(windows/fettlekit.manifest.in ${FK_MANIFEST} @ONLY)
configure_file(windows/fettlekit.rc.in ${CMAKE_CURRENT_BINARY_DIR}/fettlekit.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/fettlekit.rc PROPERTIES OBJECT_DEPENDS "${FK_ICON};${FK_MANIFEST}")
target_sources(fettlekit PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/fettlekit.rc ${FK_ICON})
