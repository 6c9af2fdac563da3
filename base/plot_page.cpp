#include "base/plot_page.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "base/numbers.h"

namespace base {
namespace {

struct NamedPage {
  std::string_view name;
  PageSize size;
};

constexpr std::array<NamedPage, 8> kPages{{
    {"a5", {148, 210}},
    {"a4", {210, 297}},
    {"a3", {297, 420}},
    {"a2", {420, 594}},
    {"a1", {594, 841}},
    {"letter", {215.9, 279.4}},
    {"legal", {215.9, 355.6}},
    {"tabloid", {279.4, 431.8}},
}};

constexpr double kSmallestSide = 10, kLargestSide = 10000;

}  // namespace

std::optional<PageSize> PageNamed(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const NamedPage& p : kPages)
    if (p.name == lower) return p.size;
  // "WxHmm": two plain numbers in millimetres.
  if (lower.size() < 5 || lower.substr(lower.size() - 2) != "mm") return std::nullopt;
  const std::string sides = lower.substr(0, lower.size() - 2);
  const size_t x = sides.find('x');
  if (x == std::string::npos) return std::nullopt;
  const auto side = [](const std::string& digits) -> std::optional<double> {
    if (digits.empty() || digits.find_first_not_of("0123456789.") != std::string::npos)
      return std::nullopt;
    const auto v = ParseNumber(digits);
    if (!v || *v < kSmallestSide || *v > kLargestSide) return std::nullopt;
    return v;
  };
  const auto w = side(sides.substr(0, x)), h = side(sides.substr(x + 1));
  if (!w || !h) return std::nullopt;
  return PageSize{*w, *h};
}

PageSize Oriented(PageSize page, bool landscape) {
  const double shorter = std::min(page.width, page.height), longer = std::max(page.width, page.height);
  return landscape ? PageSize{longer, shorter} : PageSize{shorter, longer};
}

PlotPoint PageFit::Map(PlotPoint p) const {
  return {std::clamp(left + p.x * scale, innerLeft, innerRight),
          std::clamp(top + p.y * scale, innerTop, innerBottom)};
}

PageFit FitOnPage(PageSize page, double margin, int width, int height) {
  PageFit f;
  f.innerLeft = margin;
  f.innerTop = margin;
  f.innerRight = page.width - margin;
  f.innerBottom = page.height - margin;
  f.scale = std::min((page.width - 2 * margin) / width, (page.height - 2 * margin) / height);
  f.left = (page.width - width * f.scale) / 2;
  f.top = (page.height - height * f.scale) / 2;
  return f;
}

}  // namespace base
