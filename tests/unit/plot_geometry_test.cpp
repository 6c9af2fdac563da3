// The plot's geometry: pages, where a curve closes, a pass cut to one
// period, clipping to a rectangle and a disc, the order and the pens.
#include <gtest/gtest.h>

#include <tuple>

#include <cmath>

#include "base/curve_period.h"
#include "base/plot_order.h"
#include "base/plot_page.h"
#include "base/plot_paths.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;

TEST(PlotPage, NamesSizesAndOrientation) {
  // A page's name and its size; 0 x 0: refused.
  const std::tuple<const char*, double, double> rows[] = {{"A4", 210, 297},        {"a5", 148, 210},     {"A3", 297, 420},
                      {"a2", 420, 594},        {"A1", 594, 841},     {"Letter", 215.9, 279.4},
                      {"LEGAL", 215.9, 355.6}, {"tabloid", 279.4, 431.8}, {"300x200mm", 300, 200},
                      {"90.5x60MM", 90.5, 60}, {"A6", 0, 0},         {"300x200", 0, 0},
                      {"5x200mm", 0, 0},       {"-3x200mm", 0, 0},   {"x200mm", 0, 0}};
  for (const auto& [text, width, height] : rows) {
    const auto page = base::PageNamed(text).value_or(base::PageSize{0, 0});
    EXPECT_TRUE(page.width == width && page.height == height) << text;
  }
  const base::PageSize landscape = base::Oriented({210, 297}, true);
  EXPECT_EQ(landscape.width, 297);
  EXPECT_EQ(base::Oriented({300, 200}, false).width, 200);
  // 1920x1080 on landscape A4 less 15 mm: the width decides, centred.
  const base::PageFit fit = base::FitOnPage(landscape, 15, 1920, 1080);
  EXPECT_DOUBLE_EQ(fit.scale, 267.0 / 1920);
  EXPECT_DOUBLE_EQ(fit.left, 15);
  EXPECT_DOUBLE_EQ(fit.top, (210 - 1080 * 267.0 / 1920) / 2);
  EXPECT_DOUBLE_EQ(fit.Map({1920, 0}).x, 282);
}

TEST(CurvePeriod, TheParameterWhereEveryTermHasTurnedWhole) {
  struct Row {
    std::vector<double> rates;
    double turns;  // of 2π; 0: never
  };
  const Row rows[] = {{{1, -47}, 1},  {{1, -(210.0 - 36) / 36}, 6}, {{2, 4}, 0.5},
                      {{1, 0.5}, 2},  {{3, 1.5, -4}, 2},            {{1, std::sqrt(2.0)}, 0},
                      {{}, 0},        {{0.333}, 1000.0 / 333},      {{1, 3}, 1},
                      {{1, 1 + 1e-9}, 0},  {{1, 2e6}, 0},                {{1, 1 + 1e-14}, 1}};
  for (const Row& r : rows)
    EXPECT_DOUBLE_EQ(base::ClosingParameter(r.rates), kTwoPi * r.turns) << r.rates.size();
}

TEST(PlotPaths, CutToOnePeriodAndClipped) {
  // A circle, 8 steps a turn, drawn one and a half turns.
  base::Polyline circle;
  for (int i = 0; i <= 12; ++i) circle.push_back({std::cos(i * kTwoPi / 8), std::sin(i * kTwoPi / 8)});
  const base::Stroke once = base::CutToPeriod(circle, kTwoPi, kTwoPi / 8);
  EXPECT_TRUE(once.closed);
  EXPECT_EQ(once.points.size(), 8u);
  EXPECT_FALSE(base::CutToPeriod(circle, 2 * kTwoPi, kTwoPi / 8).closed);
  EXPECT_EQ(base::CutToPeriod(circle, 0, kTwoPi / 8).points.size(), 13u);
  // Inside as a whole it stays closed; across an edge it opens into pieces
  // that end on the edge.
  EXPECT_TRUE(base::ClipToRect(once, -2, -2, 2, 2).at(0).closed);
  const auto half = base::ClipToRect(once, 0, -2, 2, 2);
  ASSERT_EQ(half.size(), 1u);
  EXPECT_FALSE(half[0].closed);
  EXPECT_NEAR(half[0].points.front().x, 0, 1e-12);
  EXPECT_NEAR(half[0].points.back().x, 0, 1e-12);
  EXPECT_NEAR(base::Length(half[0]), base::Length(once) / 2, 1e-12);
  // A line through the disc keeps its chord.
  const auto chord = base::ClipToDisc({{{-3, 0.6}, {3, 0.6}}, false}, {0, 0}, 1);
  ASSERT_EQ(chord.size(), 1u);
  EXPECT_NEAR(chord[0].points[0].x, -0.8, 1e-12);
  EXPECT_NEAR(chord[0].points[1].x, 0.8, 1e-12);
  // A zigzag in and out makes one piece for each visit.
  EXPECT_EQ(base::ClipToRect({{{-1, 0}, {1, 1}, {-1, 2}, {1, 3}}, false}, 0, 0, 5, 5).size(), 2u);
}

TEST(PlotOrder, NearestNextReversedOrEnteredAtItsNearestPoint) {
  std::vector<base::Stroke> strokes = {
      {{{10, 0}, {20, 0}}, false},
      {{{0, 5}, {0, 1}}, false},
      {{{20, 10}, {30, 10}, {30, 20}, {20, 20}}, true},
  };
  base::PlotPoint pen{0, 0};
  base::OrderStrokes(strokes, pen);
  EXPECT_EQ(strokes[0].points.front().y, 1);  // reversed
  EXPECT_EQ(strokes[1].points.front().x, 10);
  EXPECT_EQ(strokes[2].points.front().x, 20);  // entered at (20, 10)
  EXPECT_EQ(strokes[2].points.front().y, 10);
  EXPECT_EQ(pen.y, 10);
  const base::PlotMeasure m = base::Measure({{0, strokes}}, {0, 0});
  EXPECT_DOUBLE_EQ(m.penDown, 4 + 10 + 40);
  EXPECT_DOUBLE_EQ(m.penUp, 1 + std::hypot(10, 5) + 10);
  EXPECT_EQ(m.lifts, 3);
  EXPECT_EQ(base::SummaryLine(m, 1).rfind("pen-down 0.1 m, pen-up 0.0 m, 3 lifts, 1 pen, about 0 h 00 min", 0), 0u);
  // Pens keep the colours' order.
  EXPECT_EQ(base::PensOfColours(5, 2), (std::vector<int>{0, 0, 0, 1, 1}));
  EXPECT_EQ(base::PensOfColours(3, 0), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(base::PensOfColours(3, 8), (std::vector<int>{0, 1, 2}));
}

}  // namespace
