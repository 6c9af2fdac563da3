#include "base/plot_paths.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace base {
namespace {

// Where a line from a to b is inside, as the part [t0, t1] of it; t0 > t1
// when it is outside.
struct Inside {
  double t0 = 0, t1 = 1;
};

Inside InsideRect(PlotPoint a, PlotPoint b, double left, double top, double right, double bottom) {
  Inside in;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - left, right - a.x, a.y - top, bottom - a.y};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return {1, 0};
      continue;
    }
    const double t = q[k] / p[k];
    if (p[k] < 0)
      in.t0 = std::max(in.t0, t);
    else
      in.t1 = std::min(in.t1, t);
  }
  return in;
}

Inside InsideDisc(PlotPoint a, PlotPoint b, PlotPoint c, double r) {
  const double dx = b.x - a.x, dy = b.y - a.y, ex = a.x - c.x, ey = a.y - c.y;
  const double qa = dx * dx + dy * dy, qb = 2 * (dx * ex + dy * ey), qc = ex * ex + ey * ey - r * r;
  if (qa == 0) return qc <= 0 ? Inside{} : Inside{1, 0};
  const double disc = qb * qb - 4 * qa * qc;
  if (disc < 0) return {1, 0};
  const double root = std::sqrt(disc);
  return {std::max(0.0, (-qb - root) / (2 * qa)), std::min(1.0, (-qb + root) / (2 * qa))};
}

PlotPoint At(PlotPoint a, PlotPoint b, double t) {
  if (t <= 0) return a;
  if (t >= 1) return b;
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// The inside parts of a stroke for a convex region, whose test `inside`
// gives for each line.
template <class InsideOf, class Contains>
std::vector<Stroke> Clip(const Stroke& s, InsideOf inside, Contains contains) {
  std::vector<Stroke> pieces;
  if (s.points.empty()) return pieces;
  const Polyline& given = s.points;
  Polyline opened;
  if (s.closed) {
    // A closed stroke inside as a whole stays closed; otherwise it is opened
    // at a point outside, so that no piece is split where it started.
    const auto out = std::find_if(given.begin(), given.end(), [&](PlotPoint p) { return !contains(p); });
    if (out == given.end()) return {s};
    opened.reserve(given.size() + 1);
    opened.insert(opened.end(), out, given.end());
    opened.insert(opened.end(), given.begin(), out + 1);
  }
  const Polyline& line = s.closed ? opened : given;
  Polyline piece;
  const auto keep = [&] {
    if (piece.size() >= 2) pieces.push_back({std::move(piece), false});
    piece.clear();
  };
  for (size_t i = 1; i < line.size(); ++i) {
    const PlotPoint a = line[i - 1], b = line[i];
    const Inside in = inside(a, b);
    if (!(in.t0 <= in.t1)) {
      keep();
      continue;
    }
    if (piece.empty() || in.t0 > 0) {
      keep();
      piece.push_back(At(a, b, in.t0));
    }
    piece.push_back(At(a, b, in.t1));
    if (in.t1 < 1) keep();
  }
  keep();
  return pieces;
}

}  // namespace

double Distance(PlotPoint a, PlotPoint b) { return std::hypot(b.x - a.x, b.y - a.y); }

double Length(const Stroke& s) {
  double length = 0;
  for (size_t i = 1; i < s.points.size(); ++i) length += Distance(s.points[i - 1], s.points[i]);
  if (s.closed && s.points.size() > 1) length += Distance(s.points.back(), s.points.front());
  return length;
}

Stroke CutToPeriod(Polyline points, double closesAt, double step) {
  step = std::fabs(step);
  if (!(closesAt > 0) || !(step > 0)) return {std::move(points), false};
  const double steps = std::floor(closesAt / step + 1e-6);
  if (!(steps >= 1) || steps >= static_cast<double>(points.size())) return {std::move(points), false};
  points.resize(static_cast<size_t>(steps) + 1);
  // The last point is the first again when the period is a whole number of
  // steps; the closing line joins them otherwise.
  if (Distance(points.back(), points.front()) < 1e-6 * (1 + std::fabs(points.front().x)))
    points.pop_back();
  return {std::move(points), true};
}

std::vector<Stroke> ClipToRect(const Stroke& s, double left, double top, double right,
                               double bottom) {
  return Clip(
      s, [&](PlotPoint a, PlotPoint b) { return InsideRect(a, b, left, top, right, bottom); },
      [&](PlotPoint p) { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; });
}

std::vector<Stroke> ClipToDisc(const Stroke& s, PlotPoint centre, double r) {
  return Clip(
      s, [&](PlotPoint a, PlotPoint b) { return InsideDisc(a, b, centre, r); },
      [&](PlotPoint p) { return Distance(p, centre) <= r; });
}

}  // namespace base
