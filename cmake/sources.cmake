# The sources of each level of the program, lowest first, named one by one:
# a new file joins its level's list here. Included by the top CMakeLists.txt
# and by the fuzz build, which both make the libraries that need no Qt with
# trochela_qt_free_libraries().
set(trochela_base_sources
  base/closing_rotation.cpp base/curve_math.cpp base/file_io.cpp base/line_log.cpp
  base/numbers.cpp base/pixel_memory.cpp base/profile.cpp base/raster.cpp base/rnd.cpp
  base/svg_writer.cpp base/vector_state.cpp)
# The parameter file's keys and their checks: reads a profile, no window.
set(trochela_parms_reader_sources files/parms_check.cpp)
# The script grammar and its table of actions: reads text, no window.
set(trochela_script_reader_sources automation/script_reader.cpp)

set(trochela_forms_sources
  forms/controls.cpp forms/controls_picture.cpp forms/form.cpp forms/picture_export.cpp
  forms/qt_canvas_view.cpp forms/qt_image.cpp forms/qt_input.cpp forms/qt_services.cpp
  forms/script_input.cpp forms/scripted_services.cpp)
set(trochela_window_sources
  window/captions.cpp window/panel.cpp window/panel_layout.cpp window/picture_buffers.cpp
  window/trochela_main.cpp)
set(trochela_engine_sources engine/draw_driver.cpp engine/draw_passes.cpp engine/scale_fit.cpp)
set(trochela_wheels_sources wheels/random_flags.cpp wheels/wheel_editor.cpp wheels/wheel_mode.cpp)
set(trochela_random_sources
  random/colour_bar.cpp random/colour_rule.cpp random/random_picture.cpp random/slideshow.cpp
  random/symmetry.cpp)
set(trochela_files_sources
  files/file_messages.cpp files/image_files.cpp files/parameter_file.cpp
  files/picture_buffers.cpp files/printing.cpp)
set(trochela_canvas_sources canvas/canvas_input.cpp)
set(trochela_app_sources
  app/colours_pen.cpp app/field_repair.cpp app/render.cpp app/splash.cpp app/startup.cpp)
set(trochela_automation_sources
  automation/canvas_difference.cpp automation/field_text.cpp automation/script_runner.cpp
  automation/services_text.cpp)

# The libraries that need no Qt: the level-0 library and the two readers the
# program checks its input with before anything changes.
function(trochela_qt_free_libraries root)
  list(TRANSFORM trochela_base_sources PREPEND ${root}/)
  list(TRANSFORM trochela_parms_reader_sources PREPEND ${root}/)
  list(TRANSFORM trochela_script_reader_sources PREPEND ${root}/)
  add_library(trochela_base STATIC ${trochela_base_sources})
  target_include_directories(trochela_base PUBLIC ${root})
  add_library(trochela_parms_reader STATIC ${trochela_parms_reader_sources})
  target_link_libraries(trochela_parms_reader PUBLIC trochela_base)
  add_library(trochela_script_reader STATIC ${trochela_script_reader_sources})
  target_link_libraries(trochela_script_reader PUBLIC trochela_base)
endfunction()
