# CMake generated Testfile for 
# Source directory: /work/main/tests
# Build directory: /work/main/build-C/tests
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build-C/tests/unit_tests[1]_include.cmake")
add_test([=[cli_unknown_option]=] "/usr/bin/cmake" "-DEXE=/work/main/build-C/trochela" "-DARGS=--bogus" "-DWANT=2" "-P" "/work/main/tests/expect_exit.cmake")
set_tests_properties([=[cli_unknown_option]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;35;add_test;/work/main/tests/CMakeLists.txt;0;")
add_test([=[cli_missing_script]=] "/usr/bin/cmake" "-DEXE=/work/main/build-C/trochela" "-DARGS=--headless;--script;/nonexistent/x.tscript" "-DWANT=2" "-P" "/work/main/tests/expect_exit.cmake")
set_tests_properties([=[cli_missing_script]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/CMakeLists.txt;37;add_test;/work/main/tests/CMakeLists.txt;0;")
