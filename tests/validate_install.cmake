# Installs into DEST and validates desktop entry and metainfo; a missing validator is skipped.
file(REMOVE_RECURSE ${DEST})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DEST}
  ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr COMMAND_ERROR_IS_FATAL ANY)
set(share ${DEST}/usr/share)
foreach(check "desktop-file-validate;${share}/applications/${ID}.desktop"
    "appstreamcli;validate;--no-net;--pedantic;${share}/metainfo/${ID}.metainfo.xml")
  list(GET check 0 tool)
  find_program(exe_${tool} ${tool})
  if(NOT exe_${tool})
    message(STATUS "${tool} is not installed: skipped")
    continue()
  endif()
  list(REMOVE_AT check 0)
  execute_process(COMMAND ${exe_${tool}} ${check} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# The manual page tells the batches, their workers and what a run ends with.
execute_process(COMMAND gzip -dc ${share}/man/man1/trochela.1.gz OUTPUT_VARIABLE page
  COMMAND_ERROR_IS_FATAL ANY)
foreach(word "\\\\-\\\\-random" "\\\\-j" "EXIT STATUS" "SIGTERM")
  if(NOT page MATCHES "${word}")
    message(FATAL_ERROR "the manual page does not tell ${word}")
  endif()
endforeach()
