# Checks the levels of the program: a source file may include headers of its
# own folder and of lower levels only, and only the forms layer (and the entry
# point) may include Qt. The entry point, app/main.cpp, starts every level and
# may include any of them. Run as: cmake -DROOT=<source root> -P include_levels.cmake
set(levels base 0 forms 1 window 2 engine 3 wheels 4 random 5 files 5 canvas 6 app 7 automation 8)
function(level_of folder out)
  list(FIND levels ${folder} i)
  if(i EQUAL -1)
    set(${out} "" PARENT_SCOPE)
  else()
    math(EXPR j "${i} + 1")
    list(GET levels ${j} l)
    set(${out} ${l} PARENT_SCOPE)
  endif()
endfunction()

set(problems "")
foreach(folder base forms window engine wheels random files canvas app automation)
  level_of(${folder} mine)
  file(GLOB sources ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    file(RELATIVE_PATH rel ${ROOT} ${source})
    foreach(line ${includes})
      if(line MATCHES "#[ \t]*include[ \t]*\"([a-z_]+)/")
        set(other ${CMAKE_MATCH_1})
        level_of(${other} theirs)
        if(NOT "${theirs}" STREQUAL "" AND NOT other STREQUAL folder
           AND NOT theirs LESS mine AND NOT rel STREQUAL "app/main.cpp")
          string(APPEND problems "${rel}: ${line} (level ${mine} includes level ${theirs})\n")
        endif()
      elseif(line MATCHES "#[ \t]*include[ \t]*<Q" AND NOT folder STREQUAL "forms"
             AND NOT rel STREQUAL "app/main.cpp")
        string(APPEND problems "${rel}: ${line} (Qt outside the forms layer)\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "includes against the levels:\n${problems}")
endif()
