#pragma once
// Reading a parameter file's values and checking every one of them before any
// of them is applied, so that a bad file changes nothing. Plain code over the
// profile text; the window applies the result (files/parameter_file.h).
#include <string>

#include "base/profile.h"
#include "files/parms_keys.h"

namespace files {

// Reads and checks every value of the file (files/parms_keys.h), which must
// have the section "Parms" (keys missing from it take their defaults). False
// with a short reason naming the key ("TxtRatio3 is not a number: \"x\"")
// when a value cannot be used.
bool ReadParms(const base::Profile& file, ParmsValues& out, std::string& reason);

}  // namespace files
