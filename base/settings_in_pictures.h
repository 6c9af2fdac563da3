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

// The most text a picture's settings may hold once inflated: far more than
// any parameter file, little enough to hold in memory.
inline constexpr size_t kMaxPictureSettingsBytes = size_t{16} << 20;

// The settings a whole PNG's or SVG's bytes carry; false when they carry
// none, with the reason in `reason` when it is given: none at all, or a
// damaged settings chunk (a wrong checksum, a cut length, text that does not
// inflate), which is refused rather than read in part. A PNG's text may be
// plain, compressed (zTXt, or iTXt compressed) and before or after the
// pixels; an SVG's element may carry a namespace prefix (<ns0:metadata>) and
// character references (&#10;).
bool SettingsInPng(std::string_view png, std::string& settings, std::string* reason = nullptr);
bool SettingsInSvg(std::string_view svg, std::string& settings, std::string* reason = nullptr);

// The settings text of a parameter file or of a picture written by the
// program: the whole file, at most `limit` bytes, for a parameter file; for a
// picture, its settings, read without holding the picture: a PNG's chunks
// are walked and the pixels skipped, an SVG is searched a block at a time,
// and the settings may hold kMaxPictureSettingsBytes. False with a short
// reason when the file cannot be read or is a picture without usable
// settings.
bool ReadSettingsText(const std::string& path, size_t limit, std::string& text,
                      std::string& reason);

}  // namespace base
