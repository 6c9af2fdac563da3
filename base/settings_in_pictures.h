#pragma once
// Pictures that remember how they were made: a PNG written by the program
// carries the parameter file's text in a text chunk right after its header,
// an SVG in its <metadata> element, so that Load Parms and --render can draw
// the picture again. No Qt here.
#include <cstddef>
#include <string>
#include <string_view>

namespace base {

// The PNG text chunk's keyword and the SVG metadata element's id.
inline constexpr std::string_view kSettingsKeyword = "Trochela settings";
inline constexpr std::string_view kSettingsId = "trochela-settings";

// The PNG with a text chunk of `settings` after its header chunk (tEXt for
// plain ASCII, iTXt otherwise); the PNG unchanged when it has no header.
std::string PngWithSettings(std::string_view png, std::string_view settings);

// The SVG element that carries `settings`.
std::string SvgSettingsElement(std::string_view settings);

// The settings a PNG's or SVG's bytes carry; false when they carry none. The
// bytes may be the start of the file only: a PNG's chunks are read as far as
// they go (the program writes the text before the pixels, other programs may
// move it after them).
bool SettingsInPng(std::string_view png, std::string& settings);
bool SettingsInSvg(std::string_view svg, std::string& settings);

// The settings text of a parameter file or of a picture written by the
// program, from the file's first `limit` bytes for a picture and the whole
// file, at most `limit` bytes, for anything else. False with a short reason
// when the file cannot be read or is a picture without settings.
bool ReadSettingsText(const std::string& path, size_t limit, std::string& text,
                      std::string& reason);

}  // namespace base
