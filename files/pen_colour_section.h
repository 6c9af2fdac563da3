#pragma once
// The pen colour a random picture was drawn in, kept beside its settings: a
// section of its own ("[Colour]" with Red, Green and Blue) after the
// parameter file's "[Parms]", in gallery settings files and in the pictures
// the program writes. Load Parms reads only "[Parms]", as ever; --render and
// galleries draw a file that has the section in its colour, so a picture's
// settings draw it again exactly. Plain code: no window.
#include <optional>
#include <string>

#include "base/colours.h"

namespace files {

// The components the section gives, when the settings text has one with
// three whole numbers from 0 to 256.
std::optional<base::Rgb> PenColourIn(const std::string& settings);

// The section for the drawing colour's components.
std::string PenColourSection(const base::Rgb& components);

// Why the settings text's section cannot give a colour, naming the key
// ("[Colour] Red is not a whole number from 0 to 256: \"300\""); empty when
// it can or when there is no section.
std::string PenColourSectionProblem(const std::string& settings);


}  // namespace files
