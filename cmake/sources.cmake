# The sources of each level of the program, lowest first, named one by one:
# a new file joins its level's list here. Included by the top CMakeLists.txt
# and by the fuzz build, which both make the libraries that need no Qt with
# trochela_qt_free_libraries().
set(trochela_base_sources
  base/animation_frames.cpp base/bmp_encoder.cpp base/closing_rotation.cpp base/curve_math.cpp
  base/curve_period.cpp base/file_io.cpp base/gif_animation.cpp base/line_log.cpp base/numbers.cpp
  base/picture_file.cpp base/picture_history.cpp base/pixel_memory.cpp base/plot_layout.cpp
  base/plot_order.cpp base/plot_page.cpp base/plot_paths.cpp base/plot_writers.cpp
  base/png_chunks.cpp base/png_encoder.cpp base/profile.cpp
  base/raster.cpp base/rnd.cpp base/settings_in_pictures.cpp base/smooth_lines.cpp
  base/svg_writer.cpp base/vector_state.cpp base/webp_animation.cpp)
# A picture's settings as a value, and the drawing of one: no Qt, no window.
set(trochela_model_sources
  model/bindings.cpp model/editor_bars.cpp model/random_settings.cpp model/steps.cpp)
set(trochela_drawing_sources drawing/draw_passes.cpp drawing/draw_picture.cpp drawing/plot_passes.cpp)
# The parameter file's keys and their checks: reads a profile, no window.
set(trochela_parms_reader_sources
  files/parms_check.cpp files/parms_keys.cpp files/parms_settings.cpp files/pen_colour_section.cpp)
# The script grammar and its table of actions: reads text, no window.
set(trochela_script_reader_sources automation/script_reader.cpp)

set(trochela_forms_sources
  forms/controls.cpp forms/controls_picture.cpp forms/form.cpp forms/picture_export.cpp
  forms/qt_canvas_view.cpp forms/qt_image.cpp forms/qt_input.cpp forms/qt_services.cpp
  forms/script_input.cpp forms/scripted_services.cpp)
set(trochela_window_sources
  window/captions.cpp window/drawing_colour.cpp window/panel.cpp window/panel_layout.cpp
  window/trochela_main.cpp window/undo.cpp)
set(trochela_engine_sources engine/draw_driver.cpp engine/scale_fit.cpp)
set(trochela_wheels_sources
  wheels/random_flags.cpp wheels/show_wheel.cpp wheels/wheel_editor.cpp wheels/wheel_mode.cpp)
set(trochela_random_sources
  random/colour_bar.cpp random/random_picture.cpp random/slideshow.cpp
  random/symmetry.cpp)
set(trochela_files_sources
  files/file_messages.cpp files/image_files.cpp files/open_file.cpp files/parameter_file.cpp
  files/picture_buffers.cpp files/printing.cpp)
set(trochela_canvas_sources canvas/canvas_input.cpp)
set(trochela_app_sources
  app/batch.cpp app/colours_pen.cpp app/field_repair.cpp app/gallery.cpp
  app/plot.cpp app/render.cpp
  app/splash.cpp app/startup.cpp app/wire_handlers.cpp)
set(trochela_automation_sources
  automation/canvas_difference.cpp automation/field_text.cpp automation/script_runner.cpp
  automation/services_text.cpp)

# The libraries that need no Qt: the level-0 library (with zlib: ZLIB must be
# found first; and with libwebp and giflib for animated pictures, found here)
# and the two readers the program checks its input with before anything
# changes.
function(trochela_qt_free_libraries root)
  find_package(GIF REQUIRED)
  find_path(WEBP_INCLUDE_DIR webp/mux.h REQUIRED)
  find_library(WEBP_LIBRARY webp REQUIRED)
  find_library(WEBPMUX_LIBRARY webpmux REQUIRED)
  list(TRANSFORM trochela_base_sources PREPEND ${root}/)
  list(TRANSFORM trochela_model_sources PREPEND ${root}/)
  list(TRANSFORM trochela_drawing_sources PREPEND ${root}/)
  list(TRANSFORM trochela_parms_reader_sources PREPEND ${root}/)
  list(TRANSFORM trochela_script_reader_sources PREPEND ${root}/)
  add_library(trochela_base STATIC ${trochela_base_sources})
  target_include_directories(trochela_base PUBLIC ${root})
  target_compile_definitions(trochela_base PUBLIC TROCHELA_VERSION="${TROCHELA_VERSION}")
  target_include_directories(trochela_base PRIVATE ${WEBP_INCLUDE_DIR})
  target_link_libraries(trochela_base PRIVATE ZLIB::ZLIB GIF::GIF ${WEBPMUX_LIBRARY} ${WEBP_LIBRARY})
  add_library(trochela_model STATIC ${trochela_model_sources})
  target_link_libraries(trochela_model PUBLIC trochela_base)
  add_library(trochela_drawing STATIC ${trochela_drawing_sources})
  target_link_libraries(trochela_drawing PUBLIC trochela_model)
  add_library(trochela_parms_reader STATIC ${trochela_parms_reader_sources})
  target_link_libraries(trochela_parms_reader PUBLIC trochela_model)
  add_library(trochela_script_reader STATIC ${trochela_script_reader_sources})
  target_link_libraries(trochela_script_reader PUBLIC trochela_base)
endfunction()

# One level of the program: a library of the folder's sources that links only
# the levels below it.
function(trochela_level root folder)
  cmake_parse_arguments(L "" "" "LINKS;PRIVATE_LINKS" ${ARGN})
  set(name trochela_${folder})
  set(sources ${${name}_sources})
  list(TRANSFORM sources PREPEND ${root}/)
  add_library(${name} STATIC ${sources})
  target_link_libraries(${name} PUBLIC ${L_LINKS} PRIVATE ${L_PRIVATE_LINKS})
endfunction()

# Every library of the program, lowest level first (Qt 6 and zlib must be
# found first). docs/architecture.md has the table, and the include_levels
# test checks that no file includes a header of a higher level.
function(trochela_program_libraries root)
  # 0-2: numbers, the raster, random numbers, curve math, colours; the
  # settings value; its drawing: no Qt at all; with them the parameter-file
  # and script readers, which need no window.
  trochela_qt_free_libraries(${root})
  # 3: the forms layer over Qt Widgets, the only library that uses Qt widgets.
  trochela_level(${root} forms LINKS trochela_drawing
    PRIVATE_LINKS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
  # 4: the main window with its state and the panel's tables.
  trochela_level(${root} window LINKS trochela_forms)
  # 5-9: the subsystems, then start-up and the handler wiring.
  trochela_level(${root} engine LINKS trochela_window)
  trochela_level(${root} wheels LINKS trochela_engine)
  trochela_level(${root} random LINKS trochela_wheels)
  trochela_level(${root} files LINKS trochela_wheels trochela_parms_reader)
  trochela_level(${root} canvas LINKS trochela_random trochela_files)
  trochela_level(${root} app LINKS trochela_canvas)
  # 10: scripts of user actions, for tests and headless runs.
  trochela_level(${root} automation LINKS trochela_app trochela_script_reader)
endfunction()
