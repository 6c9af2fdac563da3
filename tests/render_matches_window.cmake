# --render writes the picture the window draws: the same parameter file loaded
# with Load Parms and drawn with Draw in a headless window of the same size
# gives the same bitmap, pixel for pixel.
# Run as: cmake -DEXE=... -DPARMS=... -DOUT=<folder> -P render_matches_window.cmake
get_filename_component(name ${PARMS} NAME_WE)
set(rendered ${OUT}/${name}.render.bmp)
set(drawn ${OUT}/${name}.window.bmp)
file(REMOVE ${rendered} ${drawn})
execute_process(COMMAND ${EXE} --render ${PARMS} --out ${rendered} --size 640x480
  RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "--render exit ${rc}: ${err}")
endif()
set(script ${OUT}/${name}.render.tscript)
file(WRITE ${script} "dialog open ${PARMS}\nclick CmdLoadParms\nclick CmdDraw\nidle\nsavecanvas ${drawn}\n")
execute_process(COMMAND ${EXE} --headless --screen 640x480 --seed 1 --script ${script}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "window exit ${rc}: ${out} ${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${rendered} ${drawn} RESULT_VARIABLE same)
if(NOT same EQUAL 0)
  message(FATAL_ERROR "${rendered} and ${drawn} differ")
endif()
