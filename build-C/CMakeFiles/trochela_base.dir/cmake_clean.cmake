file(REMOVE_RECURSE
  "CMakeFiles/trochela_base.dir/engine/curve_math.cpp.o"
  "CMakeFiles/trochela_base.dir/engine/curve_math.cpp.o.d"
  "CMakeFiles/trochela_base.dir/forms/numbers.cpp.o"
  "CMakeFiles/trochela_base.dir/forms/numbers.cpp.o.d"
  "CMakeFiles/trochela_base.dir/forms/raster.cpp.o"
  "CMakeFiles/trochela_base.dir/forms/raster.cpp.o.d"
  "CMakeFiles/trochela_base.dir/forms/rnd.cpp.o"
  "CMakeFiles/trochela_base.dir/forms/rnd.cpp.o.d"
  "CMakeFiles/trochela_base.dir/random/closing_rotation.cpp.o"
  "CMakeFiles/trochela_base.dir/random/closing_rotation.cpp.o.d"
  "libtrochela_base.a"
  "libtrochela_base.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/trochela_base.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
