#include "base/plot_order.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace base {
namespace {

// At most this many points of a closed stroke are looked at for the choice
// of the next stroke; the chosen one is then searched whole.
constexpr size_t kSampledPoints = 256;

struct Box {
  double left, top, right, bottom;
  double DistanceTo(PlotPoint p) const {
    const double dx = std::max({left - p.x, 0.0, p.x - right});
    const double dy = std::max({top - p.y, 0.0, p.y - bottom});
    return std::hypot(dx, dy);
  }
};

Box BoxOf(const Polyline& points) {
  Box b{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const PlotPoint& p : points) {
    b.left = std::min(b.left, p.x);
    b.right = std::max(b.right, p.x);
    b.top = std::min(b.top, p.y);
    b.bottom = std::max(b.bottom, p.y);
  }
  return b;
}

// The nearest point of a closed stroke to `pen`, looking at every
// `stride`-th point.
size_t NearestPoint(const Polyline& points, PlotPoint pen, size_t stride, double& distance) {
  size_t best = 0;
  distance = std::numeric_limits<double>::infinity();
  for (size_t i = 0; i < points.size(); i += stride) {
    const double d = Distance(points[i], pen);
    if (d < distance) distance = d, best = i;
  }
  return best;
}

// Where a stroke may be drawn from: an open one from either end, a closed
// one from any of (a sample of) its points, where it also ends.
struct Entry {
  size_t point;  // the index it starts from
  bool reversed;
  PlotPoint in, out;
};

std::vector<Entry> EntriesOf(const Stroke& s) {
  std::vector<Entry> e;
  if (!s.closed) {
    e.push_back({0, false, s.points.front(), s.points.back()});
    e.push_back({0, true, s.points.back(), s.points.front()});
    return e;
  }
  const size_t stride = std::max<size_t>(1, s.points.size() / kSampledPoints);
  for (size_t i = 0; i < s.points.size(); i += stride) e.push_back({i, false, s.points[i], s.points[i]});
  return e;
}

// With the order kept, the entries that make the least travel from `pen`
// through every stroke (a shortest path over the entries, stroke by
// stroke); a closed stroke's entry is then moved to its best point near the
// one chosen.
void PlanEntries(std::vector<Stroke>& strokes, PlotPoint pen) {
  if (strokes.empty()) return;
  std::vector<std::vector<Entry>> entries;
  std::vector<std::vector<double>> cost;
  std::vector<std::vector<size_t>> from;
  for (size_t k = 0; k < strokes.size(); ++k) {
    entries.push_back(EntriesOf(strokes[k]));
    cost.emplace_back(entries[k].size(), std::numeric_limits<double>::infinity());
    from.emplace_back(entries[k].size(), 0);
    for (size_t j = 0; j < entries[k].size(); ++j) {
      if (k == 0) {
        cost[0][j] = Distance(pen, entries[0][j].in);
        continue;
      }
      for (size_t i = 0; i < entries[k - 1].size(); ++i) {
        const double c = cost[k - 1][i] + Distance(entries[k - 1][i].out, entries[k][j].in);
        if (c < cost[k][j]) cost[k][j] = c, from[k][j] = i;
      }
    }
  }
  std::vector<size_t> chosen(strokes.size());
  chosen.back() = static_cast<size_t>(std::min_element(cost.back().begin(), cost.back().end()) - cost.back().begin());
  for (size_t k = strokes.size() - 1; k > 0; --k) chosen[k - 1] = from[k][chosen[k]];
  PlotPoint at = pen;
  for (size_t k = 0; k < strokes.size(); ++k) {
    Stroke& s = strokes[k];
    const Entry& e = entries[k][chosen[k]];
    if (!s.closed) {
      if (e.reversed) std::reverse(s.points.begin(), s.points.end());
      at = s.points.back();
      continue;
    }
    // The best point about the sample: nearest the way in and the way on.
    const size_t n = s.points.size(), stride = std::max<size_t>(1, n / kSampledPoints);
    PlotPoint next = at;
    if (k + 1 < strokes.size()) next = entries[k + 1][chosen[k + 1]].in;
    size_t best = e.point;
    double bestCost = std::numeric_limits<double>::infinity();
    for (size_t d = 0; d <= 2 * stride; ++d) {
      const size_t i = (e.point + n - stride + d) % n;
      const double c = Distance(at, s.points[i]) + (k + 1 < strokes.size() ? Distance(s.points[i], next) : 0);
      if (c < bestCost) bestCost = c, best = i;
    }
    std::rotate(s.points.begin(), s.points.begin() + static_cast<std::ptrdiff_t>(best), s.points.end());
    at = s.points.front();
  }
}

}  // namespace

void OrderStrokes(std::vector<Stroke>& strokes, PlotPoint& pen, bool plan) {
  const PlotPoint home = pen;
  std::vector<Box> boxes;
  boxes.reserve(strokes.size());
  for (const Stroke& s : strokes) boxes.push_back(BoxOf(s.points));
  for (size_t done = 0; done < strokes.size(); ++done) {
    size_t best = done;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (size_t k = done; k < strokes.size(); ++k) {
      const Stroke& s = strokes[k];
      if (boxes[k].DistanceTo(pen) >= bestDistance) continue;
      double d = std::min(Distance(s.points.front(), pen), Distance(s.points.back(), pen));
      if (s.closed) {
        double sampled;
        NearestPoint(s.points, pen, std::max<size_t>(1, s.points.size() / kSampledPoints), sampled);
        d = std::min(d, sampled);
      }
      if (d < bestDistance) bestDistance = d, best = k;
    }
    std::swap(strokes[done], strokes[best]);
    std::swap(boxes[done], boxes[best]);
    Stroke& s = strokes[done];
    if (s.closed) {
      double d;
      const size_t entry = NearestPoint(s.points, pen, 1, d);
      std::rotate(s.points.begin(), s.points.begin() + static_cast<std::ptrdiff_t>(entry),
                  s.points.end());
      pen = s.points.front();
    } else {
      if (Distance(s.points.back(), pen) < Distance(s.points.front(), pen))
        std::reverse(s.points.begin(), s.points.end());
      pen = s.points.back();
    }
  }
  if (!plan || strokes.empty()) return;
  PlanEntries(strokes, home);
  pen = strokes.back().closed ? strokes.back().points.front() : strokes.back().points.back();
}

std::vector<int> PensOfColours(int colours, int pens) {
  std::vector<int> pen(static_cast<size_t>(std::max(colours, 0)));
  for (int c = 0; c < colours; ++c)
    pen[static_cast<size_t>(c)] = pens > 0 && pens < colours ? static_cast<int>(static_cast<long long>(c) * pens / colours) : c;
  return pen;
}

PlotMeasure Measure(const std::vector<PlotLayer>& layers, PlotPoint home) {
  PlotMeasure m;
  PlotPoint pen = home;
  for (const PlotLayer& layer : layers)
    for (const Stroke& s : layer.strokes) {
      if (s.points.empty()) continue;
      const double move = Distance(pen, s.points.front());
      if (m.lifts == 0) m.firstMove = move;
      m.penUp += move;
      m.penDown += Length(s);
      ++m.lifts;
      pen = s.closed ? s.points.front() : s.points.back();
    }
  return m;
}

std::string SummaryLine(const PlotMeasure& m, int pens) {
  const long long minutes = std::llround(m.Seconds() / 60);
  char line[200];
  std::snprintf(line, sizeof line,
                "pen-down %.1f m, pen-up %.1f m, %d lifts, %d %s, about %lld h %02lld min at "
                "%.0f mm/s drawing and %.0f mm/s travel",
                m.penDown / 1000, m.penUp / 1000, m.lifts, pens, pens == 1 ? "pen" : "pens",
                minutes / 60, minutes % 60, kPenDownSpeed, kPenUpSpeed);
  return line;
}

}  // namespace base
