
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/unit/closing_rotation_test.cpp" "tests/CMakeFiles/unit_tests.dir/unit/closing_rotation_test.cpp.o" "gcc" "tests/CMakeFiles/unit_tests.dir/unit/closing_rotation_test.cpp.o.d"
  "/work/main/tests/unit/curve_math_test.cpp" "tests/CMakeFiles/unit_tests.dir/unit/curve_math_test.cpp.o" "gcc" "tests/CMakeFiles/unit_tests.dir/unit/curve_math_test.cpp.o.d"
  "/work/main/tests/unit/numbers_test.cpp" "tests/CMakeFiles/unit_tests.dir/unit/numbers_test.cpp.o" "gcc" "tests/CMakeFiles/unit_tests.dir/unit/numbers_test.cpp.o.d"
  "/work/main/tests/unit/raster_test.cpp" "tests/CMakeFiles/unit_tests.dir/unit/raster_test.cpp.o" "gcc" "tests/CMakeFiles/unit_tests.dir/unit/raster_test.cpp.o.d"
  "/work/main/tests/unit/rnd_test.cpp" "tests/CMakeFiles/unit_tests.dir/unit/rnd_test.cpp.o" "gcc" "tests/CMakeFiles/unit_tests.dir/unit/rnd_test.cpp.o.d"
  "/work/main/tests/unit/splash_clock_test.cpp" "tests/CMakeFiles/unit_tests.dir/unit/splash_clock_test.cpp.o" "gcc" "tests/CMakeFiles/unit_tests.dir/unit/splash_clock_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-D/CMakeFiles/trochela_base.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
