#include "drawing/plot_passes.h"

#include <algorithm>
#include <new>

#include "base/drawing_state.h"
#include "drawing/draw_picture.h"

namespace drawing {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

// Keeps each pass's points as the drawing computes them; the pixels go to
// an image of one pixel, which nobody sees.
class PlotHost final : public Host {
 public:
  PlotHost(const base::Mapping& screen, const base::DrawingState& d, bool whole,
           const std::function<bool()>& stop)
      : image_(1, 1, kWhite), mapping_(screen), d_(d), whole_(whole),
        stopAsked_(stop) {}
  LineTarget Target(const model::PictureSettings& s) override {
    return {&image_, &log_, mapping_, s.penShown, s.penWidth};
  }
  const int16_t& StopFlag() const override { return stop_; }
  void Yield(model::PictureSettings&, const base::Rect&) override {
    if (stopAsked_ && stopAsked_()) stop_ = -1;
  }
  void PassBegins(const model::PictureSettings&, double closesAt) override {
    log_.Reset(kWhite);
    closesAt_ = whole_ ? 0 : closesAt;
  }
  void PassDrawn(const base::Rect&) override {
    if (log_.Runs().empty()) return;
    if (log_.Overflowed()) throw std::bad_alloc();
    // The pass's first line goes from its first point to itself: its points
    // then follow one a step.
    base::Polyline points;
    const base::PointStore& p = log_.Points();
    points.reserve(p.size());
    for (size_t i = 1; i < p.size(); ++i) points.push_back({p[i].x, p[i].y});
    base::PlotPass pass{base::CutToPeriod(std::move(points), closesAt_, d_.AngleStep),
                        log_.Runs()[0].bgr};
    for (const base::PlotPass& earlier : passes)
      if (!whole_ && earlier.stroke.points == pass.stroke.points) return;
    passes.push_back(std::move(pass));
  }
  std::vector<base::PlotPass> passes;

 private:
  base::Image image_;
  base::Mapping mapping_;
  base::LineLog log_;
  const base::DrawingState& d_;
  bool whole_;
  std::function<bool()> stopAsked_;
  double closesAt_ = 0;
  int16_t stop_ = 0;
};

}  // namespace

std::vector<base::PlotPass> DrawPlotPasses(model::PictureSettings s, const base::Mapping& screen,
                                           bool whole, const std::function<bool()>& stop) {
  base::DrawingState d;
  PlotHost host(screen, d, whole, stop);
  DrawPicture(s, d, host, s.Multi != 0, s.Shape());
  return std::move(host.passes);
}

std::vector<base::PlotPass> DrawPlotPasses(const std::vector<DrawingStart>& drawings,
                                           const base::Mapping& screen) {
  std::vector<base::PlotPass> passes;
  for (const DrawingStart& start : drawings) {
    model::PictureSettings s = start.settings;
    base::DrawingState d = start.state;
    PlotHost host(screen, d, false, {});
    DrawPicture(s, d, host, s.Multi != 0, s.Shape());
    for (base::PlotPass& p : host.passes) passes.push_back(std::move(p));
  }
  return passes;
}

}  // namespace drawing
