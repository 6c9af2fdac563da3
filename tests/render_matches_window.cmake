# --render writes the same bitmap as Load Parms and Draw in a headless window of the same size.
# With LOCALE the window runs under that locale and --render under it and under C.UTF-8: the
# window's fields then hold numbers in the user's way, and every picture is still the same bytes.
get_filename_component(name ${PARMS} NAME_WE)
set(env ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8)
if(DEFINED LOCALE)
  execute_process(COMMAND locale -a OUTPUT_VARIABLE installed)
  string(TOLOWER "${installed}" installed)
  string(TOLOWER "${LOCALE}" wanted)
  string(REGEX REPLACE "utf-?8$" "utf8" wanted "${wanted}")
  if(NOT installed MATCHES "(^|\n)${wanted}(\n|$)")
    message("skipped: the locale ${LOCALE} is not installed here (make test generates it with localedef)")
    return()
  endif()
  set(name ${name}.${LOCALE})
  set(env ${CMAKE_COMMAND} -E env LC_ALL=${LOCALE})
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
    ${EXE} --render ${PARMS} --out ${OUT}/${name}.render-c.bmp --size 640x480
    COMMAND_ERROR_IS_FATAL ANY)
endif()
set(rendered ${OUT}/${name}.render.bmp)
set(drawn ${OUT}/${name}.window.bmp)
file(REMOVE ${rendered} ${drawn})
execute_process(COMMAND ${env} ${EXE} --render ${PARMS} --out ${rendered} --size 640x480
  COMMAND_ERROR_IS_FATAL ANY)
set(script ${OUT}/${name}.render.tscript)
file(WRITE ${script} "dialog open ${PARMS}\nclick CmdLoadParms\nclick CmdDraw\nidle\nsavecanvas ${drawn}\n")
execute_process(COMMAND ${env} ${EXE} --headless --screen 640x480 --seed 1 --script ${script}
  COMMAND_ERROR_IS_FATAL ANY)
set(others ${drawn})
if(DEFINED LOCALE)
  list(APPEND others ${OUT}/${name}.render-c.bmp)
endif()
foreach(other ${others})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${rendered} ${other} RESULT_VARIABLE same)
  if(NOT same EQUAL 0)
    message(FATAL_ERROR "${rendered} and ${other} differ")
  endif()
endforeach()
