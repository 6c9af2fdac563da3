# --render writes the same bitmap as Load Parms and Draw in a headless window of the same size.
get_filename_component(name ${PARMS} NAME_WE)
set(rendered ${OUT}/${name}.render.bmp)
set(drawn ${OUT}/${name}.window.bmp)
file(REMOVE ${rendered} ${drawn})
execute_process(COMMAND ${EXE} --render ${PARMS} --out ${rendered} --size 640x480
  COMMAND_ERROR_IS_FATAL ANY)
set(script ${OUT}/${name}.render.tscript)
file(WRITE ${script} "dialog open ${PARMS}\nclick CmdLoadParms\nclick CmdDraw\nidle\nsavecanvas ${drawn}\n")
execute_process(COMMAND ${EXE} --headless --screen 640x480 --seed 1 --script ${script}
  COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${rendered} ${drawn} RESULT_VARIABLE same)
if(NOT same EQUAL 0)
  message(FATAL_ERROR "${rendered} and ${drawn} differ")
endif()
