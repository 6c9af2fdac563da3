#include "base/animation_frames.h"

#include <algorithm>

#include "base/line_log.h"
#include "base/smooth_lines.h"

namespace base {
namespace {

// Draws the log's segments in order on `img`, the drawing's own pixels for
// each (the kept points lie in the pixels the lines were drawn to), and
// calls `changed(end, bgr)` after each segment that changed a pixel, with
// the index of its end point; stops when that returns false.
template <class Changed>
bool Replay(const LineLog& log, Image& img, Changed changed) {
  const std::vector<LineRun>& runs = log.Runs();
  size_t up = 0;  // LineLog::PixelOf's cursor
  for (size_t k = 0; k < runs.size(); ++k) {
    const LineRun& run = runs[k];
    const size_t end = log.RunEnd(k);
    int x = log.PixelOf(run.first, 0, up), y = log.PixelOf(run.first, 1, up);
    for (size_t i = run.first + 1; i < end; ++i) {
      const int nx = log.PixelOf(i, 0, up), ny = log.PixelOf(i, 1, up);
      if (DrawLineChanging(img, x, y, nx, ny, run.bgr, run.width) && !changed(i, run.bgr))
        return false;
      x = nx;
      y = ny;
    }
  }
  return true;
}

// Adds the colours of `img` to the sorted `colours`, until there are more
// than `most`.
void AddColours(const Image& img, std::vector<uint32_t>& colours, size_t most) {
  uint32_t last = 0;
  bool any = false;
  for (int y = 0; y < img.height && colours.size() <= most; ++y) {
    const uint32_t* row = img.Row(y);
    for (int x = 0; x < img.width; ++x) {
      const uint32_t c = FromPixel(row[x]);
      if (any && c == last) continue;
      any = true;
      last = c;
      const auto at = std::lower_bound(colours.begin(), colours.end(), c);
      if (at == colours.end() || *at != c) colours.insert(at, c);
      if (colours.size() > most) return;
    }
  }
}

bool SameColours(const Image& a, const Image& b) {
  if (a.width != b.width || a.height != b.height) return false;
  for (int y = 0; y < a.height; ++y) {
    const uint32_t *ra = a.Row(y), *rb = b.Row(y);
    for (int x = 0; x < a.width; ++x)
      if ((ra[x] ^ rb[x]) & 0x00FFFFFFu) return false;
  }
  return true;
}

}  // namespace

std::optional<FramePlan> PlanFrames(const DrawnPicture& p, std::string& reason) {
  FramePlan plan;
  const LineLog& log = p.lines;
  const auto& under = log.Picture();
  const bool sameSize =
      !under || (under->width == p.raster.width && under->height == p.raster.height);
  if (p.linesCurrent && sameSize && log.Overflowed()) {
    reason = "the drawing has more lines than the canvas keeps to draw it again";
    return std::nullopt;
  }
  if (!p.linesCurrent || !sameSize) {
    plan.start = std::make_shared<const Image>(p.raster);
    AddColours(p.raster, plan.colours, FramePlan::kMaxColours);
    return plan;
  }
  plan.lines = &log;
  plan.start =
      under ? under
            : std::make_shared<const Image>(p.raster.width, p.raster.height, log.Background());
  AddColours(*plan.start, plan.colours, FramePlan::kMaxColours);
  Image img = *plan.start;
  uint32_t lastColour = 0xFFFFFFFFu;  // no colour: colours keep 24 bits
  Replay(log, img, [&](size_t, uint32_t bgr) {
    ++plan.changing;
    if (bgr != lastColour && plan.colours.size() <= FramePlan::kMaxColours) {
      lastColour = bgr;
      const auto at = std::lower_bound(plan.colours.begin(), plan.colours.end(), bgr);
      if (at == plan.colours.end() || *at != bgr) plan.colours.insert(at, bgr);
    }
    return true;
  });
  plan.exact = SameColours(img, p.raster);
  return plan;
}

bool MakeFrames(const DrawnPicture& p, const FramePlan& plan, int frames, bool antialias,
                const std::function<bool(const Image&)>& take) {
  Image img = *plan.start;
  Image smooth;
  // Frame k (from 1) ends with the ceil(k C / frames)-th changing segment:
  // with C >= frames each frame adds at least one.
  const auto last = [&](int k) {
    return (static_cast<size_t>(k) * plan.changing + frames - 1) / frames;
  };
  int k = 1;
  bool ok = true;
  const size_t all = plan.lines ? plan.lines->Points().size() : 0;
  // The frame of the segments up to point `points`; the last one of them
  // all, as a segment that changes no pixel of the plain picture may still
  // change the smooth one.
  const auto give = [&](size_t points) {
    const Image* frame = &img;
    if (antialias) {
      smooth = *plan.start;
      if (plan.lines) DrawSmooth(*plan.lines, smooth, k == frames ? all : points);
      frame = &smooth;
    } else if (k == frames && !plan.exact) {
      frame = &p.raster;
    }
    ++k;
    ok = take(*frame);
  };
  while (ok && k <= frames && last(k) == 0) give(0);
  size_t count = 0;
  if (plan.lines && ok && k <= frames)
    Replay(*plan.lines, img, [&](size_t end, uint32_t) {
      ++count;
      while (ok && k <= frames && last(k) == count) give(end + 1);
      return ok && k <= frames;
    });
  while (ok && k <= frames) give(all);
  return ok;
}

}  // namespace base
