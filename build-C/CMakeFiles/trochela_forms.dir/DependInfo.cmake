
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/forms/controls.cpp" "CMakeFiles/trochela_forms.dir/forms/controls.cpp.o" "gcc" "CMakeFiles/trochela_forms.dir/forms/controls.cpp.o.d"
  "/work/main/forms/controls_picture.cpp" "CMakeFiles/trochela_forms.dir/forms/controls_picture.cpp.o" "gcc" "CMakeFiles/trochela_forms.dir/forms/controls_picture.cpp.o.d"
  "/work/main/forms/form.cpp" "CMakeFiles/trochela_forms.dir/forms/form.cpp.o" "gcc" "CMakeFiles/trochela_forms.dir/forms/form.cpp.o.d"
  "/work/main/forms/qt_services.cpp" "CMakeFiles/trochela_forms.dir/forms/qt_services.cpp.o" "gcc" "CMakeFiles/trochela_forms.dir/forms/qt_services.cpp.o.d"
  "/work/main/forms/scripted_services.cpp" "CMakeFiles/trochela_forms.dir/forms/scripted_services.cpp.o" "gcc" "CMakeFiles/trochela_forms.dir/forms/scripted_services.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-C/CMakeFiles/trochela_base.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
