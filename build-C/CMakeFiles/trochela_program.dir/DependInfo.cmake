
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/app/automation.cpp" "CMakeFiles/trochela_program.dir/app/automation.cpp.o" "gcc" "CMakeFiles/trochela_program.dir/app/automation.cpp.o.d"
  "/work/main/app/automation_fields.cpp" "CMakeFiles/trochela_program.dir/app/automation_fields.cpp.o" "gcc" "CMakeFiles/trochela_program.dir/app/automation_fields.cpp.o.d"
  "/work/main/app/colours_pen.cpp" "CMakeFiles/trochela_program.dir/app/colours_pen.cpp.o" "gcc" "CMakeFiles/trochela_program.dir/app/colours_pen.cpp.o.d"
  "/work/main/app/field_repair.cpp" "CMakeFiles/trochela_program.dir/app/field_repair.cpp.o" "gcc" "CMakeFiles/trochela_program.dir/app/field_repair.cpp.o.d"
  "/work/main/app/main_window.cpp" "CMakeFiles/trochela_program.dir/app/main_window.cpp.o" "gcc" "CMakeFiles/trochela_program.dir/app/main_window.cpp.o.d"
  "/work/main/app/panel.cpp" "CMakeFiles/trochela_program.dir/app/panel.cpp.o" "gcc" "CMakeFiles/trochela_program.dir/app/panel.cpp.o.d"
  "/work/main/app/panel_layout.cpp" "CMakeFiles/trochela_program.dir/app/panel_layout.cpp.o" "gcc" "CMakeFiles/trochela_program.dir/app/panel_layout.cpp.o.d"
  "/work/main/app/splash.cpp" "CMakeFiles/trochela_program.dir/app/splash.cpp.o" "gcc" "CMakeFiles/trochela_program.dir/app/splash.cpp.o.d"
  "/work/main/app/startup.cpp" "CMakeFiles/trochela_program.dir/app/startup.cpp.o" "gcc" "CMakeFiles/trochela_program.dir/app/startup.cpp.o.d"
  "/work/main/engine/draw_driver.cpp" "CMakeFiles/trochela_program.dir/engine/draw_driver.cpp.o" "gcc" "CMakeFiles/trochela_program.dir/engine/draw_driver.cpp.o.d"
  "/work/main/engine/draw_passes.cpp" "CMakeFiles/trochela_program.dir/engine/draw_passes.cpp.o" "gcc" "CMakeFiles/trochela_program.dir/engine/draw_passes.cpp.o.d"
  "/work/main/engine/scale_fit.cpp" "CMakeFiles/trochela_program.dir/engine/scale_fit.cpp.o" "gcc" "CMakeFiles/trochela_program.dir/engine/scale_fit.cpp.o.d"
  "/work/main/wheels/wheel_editor.cpp" "CMakeFiles/trochela_program.dir/wheels/wheel_editor.cpp.o" "gcc" "CMakeFiles/trochela_program.dir/wheels/wheel_editor.cpp.o.d"
  "/work/main/wheels/wheel_mode.cpp" "CMakeFiles/trochela_program.dir/wheels/wheel_mode.cpp.o" "gcc" "CMakeFiles/trochela_program.dir/wheels/wheel_mode.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-C/CMakeFiles/trochela_forms.dir/DependInfo.cmake"
  "/work/main/build-C/CMakeFiles/trochela_base.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
