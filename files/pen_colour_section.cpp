#include "files/pen_colour_section.h"

#include <cmath>
#include <optional>

#include "base/numbers.h"
#include "base/profile.h"

namespace files {
namespace {

constexpr const char* kSection = "Colour";
constexpr int kMostComponent = 256;  // a 16-bit display's step can reach it

}  // namespace

std::string PenColourSection(const base::Rgb& c) {
  base::Profile p;
  p.Set(kSection, "Red", std::to_string(c.red));
  p.Set(kSection, "Green", std::to_string(c.green));
  p.Set(kSection, "Blue", std::to_string(c.blue));
  return p.Text();
}

namespace {

// The section's colour, or why it cannot be used; none without a section.
std::string ReadSection(const std::string& settings, std::optional<base::Rgb>& colour) {
  const base::Profile p(settings);
  if (!p.HasSection(kSection)) return {};
  int32_t v[3];
  const char* keys[3] = {"Red", "Green", "Blue"};
  for (int i = 0; i < 3; ++i) {
    const std::string named = std::string("[") + kSection + "] " + keys[i] + " ";
    const std::string text = p.Get(kSection, keys[i], "", 21);
    const std::optional<double> n = base::ParseNumber(text, base::UserDecimalSeparator());
    if (!p.Has(kSection, keys[i])) return named + "is missing";
    if (!n || *n != std::floor(*n) || *n < 0 || *n > kMostComponent)
      return named + "is not a whole number from 0 to " + std::to_string(kMostComponent) +
             ": \"" + text + "\"";
    v[i] = static_cast<int32_t>(*n);
  }
  colour = base::Rgb{v[0], v[1], v[2]};
  return {};
}

}  // namespace

std::optional<base::Rgb> PenColourIn(const std::string& settings) {
  std::optional<base::Rgb> colour;
  return ReadSection(settings, colour).empty() ? colour : std::nullopt;
}

std::string PenColourSectionProblem(const std::string& settings) {
  std::optional<base::Rgb> colour;
  return ReadSection(settings, colour);
}
}  // namespace files
