# Renders PARMS with --render and draws it in a scripted window of the same
# size (Load Parms, then Draw); the two bitmaps must be the same bytes.
get_filename_component(name ${PARMS} NAME_WE)
set(dir ${WORK}/render_${name})
file(REMOVE_RECURSE ${dir})
file(MAKE_DIRECTORY ${dir})
file(WRITE ${dir}/window.tscript
  "dialog open ${PARMS}\nclick CmdLoadParms\nexpect Messages 0\nclick CmdDraw\nidle\n"
  "savecanvas ${dir}/window.bmp\n")
execute_process(COMMAND ${EXE} --render ${PARMS} --out ${dir}/render.bmp --size 320x240 --seed 1
  RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "--render exit ${rc}\n${err}")
endif()
execute_process(COMMAND ${EXE} --headless --seed 1 --screen 320x240 --script ${dir}/window.tscript
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "window script exit ${rc}\n${out}\n${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${dir}/render.bmp ${dir}/window.bmp
  RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "the rendered picture differs from the window's")
endif()
