# CMake generated Testfile for 
# Source directory: /work/main/tests
# Build directory: /work/main/build-D/tests
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build-D/tests/unit_tests[1]_include.cmake")
add_test([=[script_startup]=] "/work/main/build-D/trochela" "--headless" "--seed" "1" "--script" "/work/main/tests/scripts/startup.tscript")
set_tests_properties([=[script_startup]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT "120" WORKING_DIRECTORY "/work/main/build-D/tests" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;28;add_test;/work/main/tests/CMakeLists.txt;0;")
add_test([=[cli_unknown_option]=] "/usr/bin/cmake" "-DEXE=/work/main/build-D/trochela" "-DARGS=--bogus" "-DWANT=2" "-P" "/work/main/tests/expect_exit.cmake")
set_tests_properties([=[cli_unknown_option]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;35;add_test;/work/main/tests/CMakeLists.txt;0;")
add_test([=[cli_missing_script]=] "/usr/bin/cmake" "-DEXE=/work/main/build-D/trochela" "-DARGS=--headless;--script;/nonexistent/x.tscript" "-DWANT=2" "-P" "/work/main/tests/expect_exit.cmake")
set_tests_properties([=[cli_missing_script]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;37;add_test;/work/main/tests/CMakeLists.txt;0;")
