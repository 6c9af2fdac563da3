
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/engine/curve_math.cpp" "CMakeFiles/trochela_base.dir/engine/curve_math.cpp.o" "gcc" "CMakeFiles/trochela_base.dir/engine/curve_math.cpp.o.d"
  "/work/main/forms/numbers.cpp" "CMakeFiles/trochela_base.dir/forms/numbers.cpp.o" "gcc" "CMakeFiles/trochela_base.dir/forms/numbers.cpp.o.d"
  "/work/main/forms/raster.cpp" "CMakeFiles/trochela_base.dir/forms/raster.cpp.o" "gcc" "CMakeFiles/trochela_base.dir/forms/raster.cpp.o.d"
  "/work/main/forms/rnd.cpp" "CMakeFiles/trochela_base.dir/forms/rnd.cpp.o" "gcc" "CMakeFiles/trochela_base.dir/forms/rnd.cpp.o.d"
  "/work/main/random/closing_rotation.cpp" "CMakeFiles/trochela_base.dir/random/closing_rotation.cpp.o" "gcc" "CMakeFiles/trochela_base.dir/random/closing_rotation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
