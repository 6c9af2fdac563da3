#pragma once
// The paper of a plot: its size by name or in millimetres, its orientation,
// and where a screen's picture lands on it. No Qt here.
#include <optional>
#include <string_view>

#include "base/plot_paths.h"

namespace base {

// The widest margin a plot takes, in millimetres.
inline constexpr double kMostMargin = 1000;

// A page in millimetres, portrait as named.
struct PageSize {
  double width = 210, height = 297;
};

// A5, A4, A3, A2, A1, letter, legal, tabloid (any case) or "WxHmm" with
// each side from 10 to 10000 mm; nothing for any other text.
std::optional<PageSize> PageNamed(std::string_view text);

// The page turned to landscape (its long side across) or portrait.
PageSize Oriented(PageSize page, bool landscape);

// Screen pixels to page millimetres: one uniform scale, the screen
// rectangle centred on the page less its margins.
struct PageFit {
  double scale = 1, left = 0, top = 0;
  // The inner rectangle: the page less its margins.
  double innerLeft = 0, innerTop = 0, innerRight = 0, innerBottom = 0;
  PlotPoint Map(PlotPoint p) const;
};

// The fit of a width x height screen on `page` less `margin` on every side
// (the margin less than half the shorter side).
PageFit FitOnPage(PageSize page, double margin, int width, int height);

}  // namespace base
