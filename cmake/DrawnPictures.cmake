# SPDX-License-Identifier: GPL-3.0-or-later
# fk_draw_pictures(svg folder var): the SVG drawn into PNGs of the sizes
# Windows asks for, in `folder`; their paths in `var`.
find_program(FK_RSVG_CONVERT rsvg-convert REQUIRED)
function(fk_draw_pictures svg folder var)
  set(pngs)
  foreach(size 16 24 32 48 64 256)
    add_custom_command(OUTPUT ${folder}/fettlekit-${size}.png
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND ${FK_RSVG_CONVERT} --width ${size} --height ${size} --output ${folder}/fettlekit-${size}.png ${svg}
      DEPENDS ${svg} VERBATIM)
    list(APPEND pngs ${folder}/fettlekit-${size}.png)
  endforeach()
  set(${var} ${pngs} PARENT_SCOPE)
endfunction()
