#include "app/pen_colour_section.h"

#include <cmath>
#include <optional>

#include "base/numbers.h"
#include "base/profile.h"
#include "random/colour_rule.h"
#include "window/drawing_colour.h"
#include "window/trochela_main.h"

namespace app {
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

std::optional<base::Rgb> PenColourIn(const std::string& settings) {
  const base::Profile p(settings);
  if (!p.HasSection(kSection)) return std::nullopt;
  int32_t v[3];
  const char* keys[3] = {"Red", "Green", "Blue"};
  for (int i = 0; i < 3; ++i) {
    const std::optional<double> n = base::ParseNumber(p.Get(kSection, keys[i], "", 21));
    if (!n || *n != std::floor(*n) || *n < 0 || *n > kMostComponent) return std::nullopt;
    v[i] = static_cast<int32_t>(*n);
  }
  return base::Rgb{v[0], v[1], v[2]};
}

void ApplyPenColourSection(window::TrochelaMain& w, const std::string& settings) {
  if (const auto c = PenColourIn(settings))
    window::SetDrawingColour(w, *c, random_pictures::ShownColour(*c));
}

}  // namespace app
