# Exit codes by ARGS: 2 usage error told before running, 1 a failed line told alone, 0; TEXT: a
# script; SAID: what the output must hold.
set(failed "")
function(run want args)
  separate_arguments(args UNIX_COMMAND "${args}")
  if(ARGC GREATER 2 AND NOT "${ARGV2}" STREQUAL "")
    string(REPLACE "|" "\n" text "${ARGV2}")
    file(WRITE ${BIN}/line.tscript "${text}\n")
    list(APPEND args --headless --seed 1 --script ${BIN}/line.tscript)
  endif()
  execute_process(COMMAND ${EXE} ${args} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL want OR (want EQUAL 2 AND NOT err MATCHES "trochela: [^\n]")
     OR (want EQUAL 1 AND NOT out MATCHES "^line 1: [^\n]*\n$")
     OR (ARGC GREATER 3 AND NOT "${out}${err}" MATCHES "${ARGV3}"))
    string(APPEND failed "exit ${rc}, wanted ${want}: ${args} ${ARGV2}\n${out}${err}\n")
    set(failed "${failed}" PARENT_SCOPE)
  endif()
endfunction()
set(runs "--headless --seed 1 --script ${SRC}/scripts/startup.tscript")
set(parms ${SRC}/parms)

run(2 "--bogus")
run(2 "${runs} x y")
run(2 "--headless --script /nonexistent/x.tscript")
run(2 "--headless --script ${SRC}/scripts")
execute_process(COMMAND ${EXE} --headless --script "" RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR NOT err MATCHES "trochela: [^\n]")
  string(APPEND failed "an empty script name: exit ${rc}\n${err}\n")
endif()
run(2 "--headless")
file(REMOVE ${BIN}/fifo.tscript)
execute_process(COMMAND mkfifo ${BIN}/fifo.tscript)
run(2 "--headless --script ${BIN}/fifo.tscript")
run(0 "--help")
run(0 "--version" "" "^trochela [0-9]+\\.[0-9]+\n$")
foreach(ratio 0.5 8.5 abc)
  run(2 "${runs} --pixel-ratio ${ratio}")
endforeach()
run(0 "--pixel-ratio 8 --screen 100x80" "expect ScreenPixelsX 100")
run(2 "${runs} --seed 12abc")
run(2 "${runs} --seed 1e999")
run(2 "${runs} --depth 24")
foreach(screen 99999999999x1 4294967297x1 2147483647x1 10x10junk 0x768 1024x16385)
  run(2 "${runs} --screen ${screen}")
endforeach()
# Rendering: a bad, missing or unwritable file, no file at all, several files.
run(2 "--render ${parms}/bad_wheel.tra --out ${BIN}/bad.png")
run(2 "--render /nonexistent/x.tra --out x.png")
run(2 "--render ${parms}/start.tra --out /nonexistent/folder/p.png")
run(2 "--render --out ${BIN}/none.png")
run(0 "--render ${parms}/start.tra ${parms}/chain_square.tra --out-dir ${BIN} --format SVG --size 320x240")
# An ignored option, an unwritable picture kind, a batch missing folder or workers: usage errors.
foreach(args "--out o.jpg" "--out o" "--out o.png --format svg" "--out o.svg --antialias"
    "--out o.gif --antialias" "--out o.png --frames 12" "--out o.webp --frames 0"
    "--out o.gif --fps 51" "--out o.webp --fps x" "--out-dir . --format gif --antialias"
    "--out-dir . --format bmp --antialias" "--out o.png --screen 10x10" "--out o.png --depth 16"
    "--out o.png --no-splash" "--out x.png -j 0" "--out-dir . -j ' 2'" "--out-dir . -j +2"
    "--out o.png --out p.png" "--out o.svg --page A6" "--out o.svg --page 5x5mm"
    "--out o.png --pens 2" "--out o.thr --landscape" "--out o.hpgl --feed 100"
    "--out o.gcode --margin 105" "--out o.svg --page a4 --pens 0" "--out o.gcode --pen-up ''"
    "--out-dir . --format svg --margin 3" "--out o.hpgl --page A4 --antialias")
  run(2 "--render ${parms}/start.tra ${args}")
endforeach()
# Plots: the summary line on standard output; a folder or a FIFO in the plot's place is told.
run(0 "--render ${parms}/start.tra --out ${BIN}/p.svg --page letter --landscape --pens 1" ""
  "p.svg: pen-down 8.7 m, pen-up 0.2 m, 48 lifts, 1 pen, about 0 h 03 min at 50 mm/s")
run(0 "--render ${parms}/chain_square.tra --out ${BIN}/p.thr" "" "p.thr: sand track 6.7 radii drawn, 1 piece joined")
file(MAKE_DIRECTORY ${BIN}/plot_folder.hpgl)
run(2 "--render ${parms}/start.tra --out ${BIN}/plot_folder.hpgl" "" "cannot write .*plot_folder.hpgl: ")
file(REMOVE ${BIN}/fifo.gcode)
execute_process(COMMAND mkfifo ${BIN}/fifo.gcode)
run(2 "--render ${parms}/start.tra --out ${BIN}/fifo.gcode" "" "cannot write .*fifo.gcode: ")
# A [Colour] section that cannot be used is refused with its key, as a bad [Parms] value is.
foreach(bad "Red=300" "Green=nan" "Blue=-1" "Blue=4.5")
  file(WRITE ${BIN}/colour.tra "[Parms]\nTxtLoop=1\n[Colour]\n${bad}\nRed=1\nGreen=2\nBlue=3\n")
  string(REGEX REPLACE "=.*" "" key "${bad}")
  run(2 "--render ${BIN}/colour.tra --out ${BIN}/colour.png --size 8x8" "" "\\[Colour\\] ${key} ")
endforeach()
foreach(args "--out o.png" "--size 10x10" "--random 3" "--random ' 3' --size 8x8 --out-dir ${BIN}/lax"
    "--random +3 --size 8x8 --out-dir ${BIN}/lax" "--random '3 ' --size 8x8 --out-dir ${BIN}/lax")
  run(2 "${args}")
endforeach()
run(2 "-dash.tra" "" "Unknown option '-dash.tra'")
# Names are bytes: a name that is not UTF-8 is written, read, run and opened as given.
execute_process(COMMAND sh -c "n=$(printf \"%s/out\\377\" \"$2\") && $0 --render $1 --out \"$n.png\" \
  --size 8x8 && $0 --render \"$n.png\" --out \"$n.svg\" && echo 'expect Messages 0' > \"$n.tscript\" && \
  $0 --headless --script \"$n.tscript\" \"$n.png\"" ${EXE} ${parms}/start.tra ${BIN} RESULT_VARIABLE rc)
# Output lost to a full disk fails, told on standard error.
file(WRITE ${BIN}/print.tscript "print TxtX\n")
foreach(args "--help" "--version" "--headless --script ${BIN}/print.tscript")
  separate_arguments(args UNIX_COMMAND "${args}")
  execute_process(COMMAND ${EXE} ${args} OUTPUT_FILE /dev/full RESULT_VARIABLE rc2 ERROR_VARIABLE err)
  if(rc2 EQUAL 0 OR NOT err MATCHES "No space left" OR NOT rc EQUAL 0)
    string(APPEND failed "a name not UTF-8 (exit ${rc}), or output lost: exit ${rc2}: ${args}\n${err}\n")
  endif()
endforeach()
run(2 "--random 2 /nonexistent/x.tra --out-dir ${BIN}/none")
# Started from a deleted working folder, the program runs with no start folder.
execute_process(COMMAND sh -c "d=$(mktemp -d) && cd \"$d\" && rmdir \"$d\" && exec \"$0\" $1"
  ${EXE} "${runs}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  string(APPEND failed "exit ${rc} from a deleted working folder\n")
endif()

# Without --seed a scripted run seeds from its clock, which starts at noon.
file(WRITE ${BIN}/seed.tscript "click CmdRandom\nidle\nprint WheelSize 1\nprint DrawRed\n")
execute_process(COMMAND ${EXE} --headless --script ${BIN}/seed.tscript OUTPUT_VARIABLE clock)
execute_process(COMMAND ${EXE} --headless --seed 43200 --script ${BIN}/seed.tscript OUTPUT_VARIABLE noon)
if(NOT clock MATCHES "WheelSize 1=160" OR NOT clock STREQUAL noon)
  string(APPEND failed "unseeded: ${clock}, seed 43200: ${noon}\n")
endif()

# Script lines. The largest screen is accepted.
run(0 "--screen 16384x1" "expect ScreenPixelsX 16384|expect ScreenPixelsY 1")
# Whole numbers are plain decimal integers in range; a refused line stops the script before it runs.
foreach(line "scrollto ScrollSize .5e1" "drag ScrollSize 10 .5e1" "drag ScrollOffset 1e2"
    "print WheelSize .3e1" "print WheelSize 100000000000e-11" "expect WheelSize 25 0"
    "key Canvas 1e40" "key Canvas 2147483647" "mousedown Canvas 1e40 0 0 0"
    "mousemove Canvas 1e40 0" "dialog color -1 0 0" "dialog print 1.5 1"
    "expect DrawRed" "expect StopRequested 7|scrollto ScrollSize 5.0" "idle now" "until" "click"
    "pixel 0" "expect canvas" "focus" "mousedown Canvas 8 0 0 0")
  run(2 "" "${line}")
endforeach()
# What cannot be read or evaluated, or is not as expected, fails.
foreach(line "expect pixel a b 12345" "expect pixel 1e40 0 16777215" "print NoSuchField"
    "expect TxtX.NoSuchProperty 6" "expect Messages 1")
  run(1 "" "${line}")
endforeach()
run(2 "" "expect WheelSize 25 0" "from 1 to 24, not 25")
# A drawing leaves its last scaled point in the state and forgets the pointer; Space picks up
# black as any colour.
run(0 "" "mousemove Canvas 100 -50|expect MouseY -50|click CmdDraw|expect MouseX 0|expect MouseY 0|\
idle|expect ScaledX 53.582519901897|expect ScaledY -1.39312701391406|\
dialog color 0 0 0|click CmdSetBackColor|mousemove Canvas 0.4 -0.4|key Canvas 32|expect DrawRed 0|\
expect CmdColorBar.BackColor 0")
# Multi-wheel mode puts the focus in the wheel editor; a scroll bar a script moves takes it.
run(0 "" "click ChkMulti|expect Focus TxtFixed|scrollto ScrollSize 50|expect Focus ScrollSize")
# The wheel editor's field gaining the focus lets the bars' Change handlers work again.
run(0 "" "type TxtPctScale 100|expect ScrollSetByCode -1|focus TxtFixed|expect ScrollSetByCode 0|\
expect TxtFixed.SelLength 3")
run(0 "" "mousedown CmdClear 7 7|pixel 0 0" "pixel 0 0=16777215")
run(0 "" "pixel 0 0|expect line ${SRC}/parms/start.tra 999 (no such line)|expect pixel 0 0 16777215|expect WheelSize 024 0|click ChkMulti|scrollto ScrollRatio -2")
# The script tool's hazards fail with a message: lost write, removefile on a folder, bad dot, etc.
file(MAKE_DIRECTORY ${BIN}/empty_folder)
foreach(line "writeline /dev/full x" "removefile ${BIN}/empty_folder" "print TxtX."
    "print Printed 5" "until TxtX 7")
  run(1 "" "${line}")
endforeach()
# The save dialog's type beyond the nine, a plot page out of range: refused lines; PNG adds its ending.
run(2 "" "dialog savetype 10 a")
run(2 "" "dialog plot A6 1 15 0")
run(2 "" "dialog plot A4 3 15 0")
run(2 "" "dialog plot A4 1 1001 0")
run(2 "" "dialog plot A4 1 15 257")
run(0 "" "removefile ${BIN}/a3.png|dialog savetype 2 ${BIN}/a3|click CmdSave|\
dialog open ${BIN}/a3.png|click CmdOpen|expect Messages 0")
# At two device pixels a logical pixel the start picture fits; Save Image writes device pixels.
run(0 "--screen 2048x1536 --pixel-ratio 2" "click CmdDraw|idle|expect ScreenPixelsY 1536|\
expect TxtX 1.786|dialog save ${BIN}/ratio2.png|click CmdSave|expect canvas ${BIN}/ratio2.png")
# A file named on the command line loads before line 1; one that cannot is told and the run goes on.
set(ref ${SRC}/reference/depth16_gradient.png)
run(0 "${parms}/chain_square.tra" "expect ChkMulti 1|expect WheelSize 4 25|expect Messages 0")
run(0 "${ref}" "expect canvas ${ref}|expect Messages 0")
run(0 "${parms}/bad_wheel.tra" "expect WheelSize 1 240|expect Message 1 Cannot load the \
settings from \"${parms}/bad_wheel.tra\": TxtWheel is not a number: \"five\".")
# print names the picture it reads; a screenshot at ratio 2 holds the device pixels.
run(0 "--screen 2048x1536 --pixel-ratio 2"
  "dialog print 1 1|click CmdPrint|print Printed 1|screenshot ${BIN}/m.png" "Printed 1=0 ")
file(READ ${BIN}/m.png width OFFSET 16 LIMIT 4 HEX)
if(NOT width STREQUAL "00000800")
  string(APPEND failed "a screenshot at ratio 2 is ${width} pixels wide\n")
endif()
# --render draws for a 1920x1080 screen unless --size says otherwise.
run(0 "--render ${parms}/start.tra --out ${BIN}/default.png")
file(READ ${BIN}/default.png size OFFSET 16 LIMIT 8 HEX)
if(NOT size STREQUAL "0000078000000438")
  string(APPEND failed "--render's default picture: ${size}\n")
endif()
# So at a fractional ratio, or one that leaves a fraction of a logical pixel at the edge.
foreach(ratio 1.5 3 6)
  run(0 "--screen 1000x700 --pixel-ratio ${ratio}" "screenshot ${BIN}/m${ratio}.png")
  file(READ ${BIN}/m${ratio}.png size OFFSET 16 LIMIT 8 HEX)
  if(NOT size STREQUAL "000003e8000002bc")
    string(APPEND failed "a screenshot of 1000x700 at ratio ${ratio}: ${size}\n")
  endif()
endforeach()
# A screenshot is taken when its line runs, before the next line (here Exit) can.
file(REMOVE ${BIN}/last.png)
run(0 "" "screenshot ${BIN}/last.png|click CmdExit")
if(NOT EXISTS ${BIN}/last.png)
  string(APPEND failed "a screenshot before Exit was not written\n")
endif()
# A printed size in printer.ini that is no positive number is told, as one too large is.
file(MAKE_DIRECTORY ${BIN}/printer)
file(WRITE ${BIN}/printer/p.tscript "dialog print 1 1\nclick CmdPrint\nexpect Messages 1\n")
foreach(size -1 inf nan)
  file(WRITE ${BIN}/printer/printer.ini "[Parms]\nPrinted_Width=8\nPrinted_Height=${size}\n")
  execute_process(COMMAND ${EXE} --headless --script p.tscript WORKING_DIRECTORY ${BIN}/printer
    RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT err MATCHES "printer.ini is not used: a printed size is not from")
    string(APPEND failed "printed size ${size}: exit ${rc}\n${err}\n")
  endif()
endforeach()
# An animated gallery: its page shows the animations as thumbnails.
run(0 "--random 2 --seed 3 --size 64x48 --format gif --frames 6 --out-dir ${BIN}/anim")
file(READ ${BIN}/anim/index.html page)
file(READ ${BIN}/anim/random-002.gif head LIMIT 6)
if(NOT page MATCHES "<img src=\"random-002.gif\"" OR NOT head MATCHES "^GIF89a")
  string(APPEND failed "an animated gallery: ${head}\n${page}\n")
endif()
# A gallery picture that cannot be written is told, with exit 2.
file(MAKE_DIRECTORY ${BIN}/g/random-001.png)
run(2 "--random 1 --size 40x30 -j 1 --out-dir ${BIN}/g" ""
  "cannot write [^\n]*random-001.png: it is a folder")
# A picture that cannot be written leaves an earlier run's pair whole, and the page lists neither.
file(REMOVE_RECURSE ${BIN}/pair)
run(0 "--random 1 --seed 1 --size 100x100 --format bmp --out-dir ${BIN}/pair")
file(READ ${BIN}/pair/random-001.tra before)
execute_process(COMMAND sh -c "ulimit -f 8 && exec \"$0\" --random 1 --seed 2 --size 100x100 \
  --format bmp --out-dir \"$1\"" ${EXE} ${BIN}/pair RESULT_VARIABLE rc ERROR_VARIABLE err)
file(READ ${BIN}/pair/random-001.tra after)
file(READ ${BIN}/pair/index.html page)
if(NOT rc EQUAL 2 OR NOT err MATCHES "random-001.bmp: File too large" OR NOT after STREQUAL before
   OR page MATCHES "random-001")
  string(APPEND failed "a failed gallery picture: exit ${rc}, ${err}, its settings ${after}\n")
endif()
# A batch makes new files: a link planted in its folder is refused, the file it leads to kept,
# and a picture whose settings file is refused is taken back.
file(WRITE ${BIN}/victim "mine")
foreach(name random-001.png random-001.tra index.html start.png)
  file(REMOVE_RECURSE ${BIN}/planted)
  file(MAKE_DIRECTORY ${BIN}/planted)
  file(CREATE_LINK ${BIN}/victim ${BIN}/planted/${name} SYMBOLIC)
  set(batch "--random 1")
  if(name STREQUAL "start.png")
    set(batch "--render ${parms}/start.tra")
  endif()
  run(2 "${batch} --size 40x30 --out-dir ${BIN}/planted" "" "${name}: it is a symbolic link")
  file(READ ${BIN}/victim kept)
  if(NOT kept STREQUAL "mine" OR (name STREQUAL "random-001.tra" AND EXISTS ${BIN}/planted/random-001.png))
    string(APPEND failed "a link planted at ${name}: the file it leads to was written over\n")
  endif()
endforeach()
# Exit ends the program at once, with status 0.
run(0 "" "click CmdExit|expect WheelCount 99")

if(failed)
  message(FATAL_ERROR "${failed}")
endif()
