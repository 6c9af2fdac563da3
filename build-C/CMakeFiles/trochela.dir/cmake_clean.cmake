file(REMOVE_RECURSE
  "CMakeFiles/trochela.dir/app/main.cpp.o"
  "CMakeFiles/trochela.dir/app/main.cpp.o.d"
  "trochela"
  "trochela.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/trochela.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
