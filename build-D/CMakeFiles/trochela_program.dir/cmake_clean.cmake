file(REMOVE_RECURSE
  "CMakeFiles/trochela_program.dir/app/automation.cpp.o"
  "CMakeFiles/trochela_program.dir/app/automation.cpp.o.d"
  "CMakeFiles/trochela_program.dir/app/automation_fields.cpp.o"
  "CMakeFiles/trochela_program.dir/app/automation_fields.cpp.o.d"
  "CMakeFiles/trochela_program.dir/app/colours_pen.cpp.o"
  "CMakeFiles/trochela_program.dir/app/colours_pen.cpp.o.d"
  "CMakeFiles/trochela_program.dir/app/field_repair.cpp.o"
  "CMakeFiles/trochela_program.dir/app/field_repair.cpp.o.d"
  "CMakeFiles/trochela_program.dir/app/main_window.cpp.o"
  "CMakeFiles/trochela_program.dir/app/main_window.cpp.o.d"
  "CMakeFiles/trochela_program.dir/app/panel.cpp.o"
  "CMakeFiles/trochela_program.dir/app/panel.cpp.o.d"
  "CMakeFiles/trochela_program.dir/app/panel_layout.cpp.o"
  "CMakeFiles/trochela_program.dir/app/panel_layout.cpp.o.d"
  "CMakeFiles/trochela_program.dir/app/splash.cpp.o"
  "CMakeFiles/trochela_program.dir/app/splash.cpp.o.d"
  "CMakeFiles/trochela_program.dir/app/startup.cpp.o"
  "CMakeFiles/trochela_program.dir/app/startup.cpp.o.d"
  "CMakeFiles/trochela_program.dir/engine/draw_driver.cpp.o"
  "CMakeFiles/trochela_program.dir/engine/draw_driver.cpp.o.d"
  "CMakeFiles/trochela_program.dir/engine/draw_passes.cpp.o"
  "CMakeFiles/trochela_program.dir/engine/draw_passes.cpp.o.d"
  "CMakeFiles/trochela_program.dir/engine/scale_fit.cpp.o"
  "CMakeFiles/trochela_program.dir/engine/scale_fit.cpp.o.d"
  "CMakeFiles/trochela_program.dir/wheels/wheel_editor.cpp.o"
  "CMakeFiles/trochela_program.dir/wheels/wheel_editor.cpp.o.d"
  "CMakeFiles/trochela_program.dir/wheels/wheel_mode.cpp.o"
  "CMakeFiles/trochela_program.dir/wheels/wheel_mode.cpp.o.d"
  "libtrochela_program.a"
  "libtrochela_program.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/trochela_program.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
