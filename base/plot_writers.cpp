#include "base/plot_writers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/curve_period.h"
#include "base/settings_in_pictures.h"

namespace base {
namespace {

// The largest turn of the sand table's arm from one line to the next on a
// join, and how near the rim a point counts as on it.
constexpr double kJoinStep = 0.05;
constexpr double kOnRim = 1e-6;

std::string HexColour(uint32_t bgr) {
  char s[8];
  std::snprintf(s, sizeof s, "#%02X%02X%02X", bgr & 0xFFu, (bgr >> 8) & 0xFFu, (bgr >> 16) & 0xFFu);
  return s;
}

void AppendNumber(std::string& out, const char* format, double v) {
  char text[40];
  const int n = std::snprintf(text, sizeof text, format, v == 0 ? 0.0 : v);
  out.append(text, static_cast<size_t>(n));
}

// The points a stroke is drawn through, a closed one back to its start.
template <class Visit>
void EachPoint(const Stroke& s, Visit visit) {
  for (const PlotPoint& p : s.points) visit(p);
  if (s.closed && s.points.size() > 1) visit(s.points.front());
}

long long HpglUnit(double mm) { return std::llround(mm * kHpglUnits); }

}  // namespace

std::string PlotterSvg(const Plot& plot, std::string_view settings) {
  std::string out;
  std::string w, h;
  AppendNumber(w, "%.3f", plot.page.width);
  AppendNumber(h, "%.3f", plot.page.height);
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" "
         "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" version=\"1.1\" width=\"" +
         w + "mm\" height=\"" + h + "mm\" viewBox=\"0 0 " + w + " " + h + "\">\n";
  if (!settings.empty()) out += SvgSettingsElement(settings);
  for (size_t k = 0; k < plot.layers.size(); ++k) {
    const PlotLayer& layer = plot.layers[k];
    const std::string colour = HexColour(layer.bgr), number = std::to_string(k + 1);
    out += "<g inkscape:groupmode=\"layer\" inkscape:label=\"" + number + " " + colour +
           "\" id=\"layer" + number + "\" fill=\"none\" stroke=\"" + colour +
           "\" stroke-width=\"0.3\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    for (const Stroke& s : layer.strokes) {
      out += "<polyline points=\"";
      bool first = true;
      EachPoint(s, [&](PlotPoint p) {
        if (!first) out += ' ';
        first = false;
        AppendNumber(out, "%.3f", p.x);
        out += ',';
        AppendNumber(out, "%.3f", p.y);
      });
      out += "\"/>\n";
    }
    out += "</g>\n";
  }
  out += "</svg>\n";
  return out;
}

std::string Hpgl(const Plot& plot) {
  std::string out = "IN;\n";
  const double height = plot.page.height;
  const auto point = [&](PlotPoint p) {
    return std::to_string(HpglUnit(p.x)) + "," + std::to_string(HpglUnit(height - p.y));
  };
  for (size_t k = 0; k < plot.layers.size(); ++k) {
    out += "PU;SP" + std::to_string(k + 1) + ";\n";
    for (const Stroke& s : plot.layers[k].strokes) {
      if (s.points.empty()) continue;
      out += "PU" + point(s.points.front()) + ";PD";
      bool first = true;
      EachPoint(s, [&](PlotPoint p) {
        if (first) return void(first = false);
        out += point(p);
        out += ',';
      });
      if (out.back() == ',') out.pop_back();
      out += ";\n";
    }
  }
  out += "PU;SP0;\n";
  return out;
}

std::string Gcode(const Plot& plot, const GcodeDialect& dialect) {
  std::string out = "G21\nG90\n" + dialect.penUp + "\n";
  const double height = plot.page.height;
  const auto xy = [&](PlotPoint p) {
    std::string t = "X";
    AppendNumber(t, "%.3f", p.x);
    t += " Y";
    AppendNumber(t, "%.3f", height - p.y);
    return t;
  };
  std::string feed;
  AppendNumber(feed, "%.0f", dialect.feed);
  for (size_t k = 0; k < plot.layers.size(); ++k) {
    out += "; layer " + std::to_string(k + 1) + " " + HexColour(plot.layers[k].bgr) + "\n";
    if (k > 0) out += "M0 (change the pen)\n";
    for (const Stroke& s : plot.layers[k].strokes) {
      if (s.points.empty()) continue;
      out += "G0 " + xy(s.points.front()) + "\n" + dialect.penDown + "\n";
      int drawn = -1;
      EachPoint(s, [&](PlotPoint p) {
        if (++drawn == 0) return;
        out += "G1 " + xy(p) + (drawn == 1 ? " F" + feed : std::string()) + "\n";
      });
      out += dialect.penUp + "\n";
    }
  }
  out += "G0 X0 Y0\n";
  return out;
}

namespace {

// The track as it is written: theta goes on from the last line's.
class Track {
 public:
  explicit Track(std::string& out) : out_(out) {}
  double theta() const { return theta_; }
  // A point of the disc; at the centre theta stays.
  void To(PlotPoint p) {
    const double rho = std::min(1.0, std::hypot(p.x, p.y));
    if (rho > 1e-9) {
      const double turn = std::remainder(std::atan2(p.x, p.y) - theta_, kTwoPi);
      theta_ += turn;
    }
    Line(theta_, rho);
  }
  // The arm turned to `theta` at radius `rho` in small steps (on the rim or
  // at the centre).
  void Turn(double theta, double rho) {
    const int steps = static_cast<int>(std::ceil(std::fabs(theta - theta_) / kJoinStep));
    const double from = theta_;
    for (int i = 1; i <= steps; ++i) Line(from + (theta - from) * i / steps, rho);
    theta_ = theta;
  }
  void Line(double theta, double rho) {
    theta_ = theta;
    AppendNumber(out_, "%.5f", theta);
    out_ += ' ';
    AppendNumber(out_, "%.5f", rho);
    out_ += '\n';
  }

 private:
  std::string& out_;
  double theta_ = 0;
};

double Rho(PlotPoint p) { return std::min(1.0, std::hypot(p.x, p.y)); }

// The theta of `p` nearest the track's theta.
double ThetaNear(const Track& t, PlotPoint p) {
  return t.theta() + std::remainder(std::atan2(p.x, p.y) - t.theta(), kTwoPi);
}

// From the track's end at `from` to `to`: through the centre or along the
// rim, whichever is shorter.
void Join(Track& t, PlotPoint from, PlotPoint to) {
  const double a = Rho(from), b = Rho(to);
  const double turn = std::fabs(std::remainder(std::atan2(to.x, to.y) - std::atan2(from.x, from.y), kTwoPi));
  if (a + b <= (1 - a) + turn + (1 - b)) {
    t.Line(t.theta(), 0);
    t.Turn(b > 1e-9 ? ThetaNear(t, to) : t.theta(), 0);
  } else {
    if (a < 1 - kOnRim) t.Line(t.theta(), 1);
    t.Turn(ThetaNear(t, to), 1);
  }
  t.To(to);
}

}  // namespace

std::string SandTrack(const std::vector<Stroke>& strokes, std::string_view settings) {
  std::string out = "# Trochela sand table track: theta rho, theta in radians, rho 1 at the rim\n";
  // The settings that draw the picture again, one comment line each.
  size_t start = 0;
  while (start < settings.size()) {
    size_t end = settings.find('\n', start);
    if (end == std::string_view::npos) end = settings.size();
    std::string_view line = settings.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    out.append("# ").append(line).append("\n");
    start = end + 1;
  }
  Track t(out);
  bool started = false;
  PlotPoint at{0, 0};
  for (const Stroke& s : strokes) {
    if (s.points.empty()) continue;
    const PlotPoint first = s.points.front();
    if (!started) {
      // From the centre or the rim, whichever is nearer.
      const double rho = Rho(first);
      t.Line(rho > 1e-9 ? ThetaNear(t, first) : 0, rho < 0.5 ? 0 : 1);
      t.To(first);
      started = true;
    } else {
      Join(t, at, first);
    }
    bool skip = true;
    EachPoint(s, [&](PlotPoint p) {
      if (!skip) t.To(p);
      skip = false;
    });
    at = s.closed ? first : s.points.back();
  }
  if (started) t.Line(t.theta(), Rho(at) < 0.5 ? 0 : 1);
  return out;
}

}  // namespace base
