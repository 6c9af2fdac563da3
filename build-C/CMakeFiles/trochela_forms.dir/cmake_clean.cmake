file(REMOVE_RECURSE
  "CMakeFiles/trochela_forms.dir/forms/controls.cpp.o"
  "CMakeFiles/trochela_forms.dir/forms/controls.cpp.o.d"
  "CMakeFiles/trochela_forms.dir/forms/controls_picture.cpp.o"
  "CMakeFiles/trochela_forms.dir/forms/controls_picture.cpp.o.d"
  "CMakeFiles/trochela_forms.dir/forms/form.cpp.o"
  "CMakeFiles/trochela_forms.dir/forms/form.cpp.o.d"
  "CMakeFiles/trochela_forms.dir/forms/qt_services.cpp.o"
  "CMakeFiles/trochela_forms.dir/forms/qt_services.cpp.o.d"
  "CMakeFiles/trochela_forms.dir/forms/scripted_services.cpp.o"
  "CMakeFiles/trochela_forms.dir/forms/scripted_services.cpp.o.d"
  "libtrochela_forms.a"
  "libtrochela_forms.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/trochela_forms.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
