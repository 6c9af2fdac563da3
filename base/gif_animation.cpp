#include "base/gif_animation.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

namespace base {
namespace {

// giflib's writer: memory that runs out is a short write, which giflib
// reports, not an exception through its C frames.
int Append(GifFileType* gif, const GifByteType* data, int length) try {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
} catch (const std::bad_alloc&) {
  return 0;
}

// The palette's index of each colour, one colour looked up after the other:
// neighbouring pixels mostly share theirs.
class Palette {
 public:
  explicit Palette(const std::vector<uint32_t>& colours) : colours_(colours) {}
  // False when the colour is not in the palette.
  bool Index(uint32_t pixel, GifPixelType& index) {
    const uint32_t c = FromPixel(pixel);
    if (c != last_) {
      const auto at = std::lower_bound(colours_.begin(), colours_.end(), c);
      if (at == colours_.end() || *at != c) return false;
      last_ = c;
      lastIndex_ = static_cast<GifPixelType>(at - colours_.begin());
    }
    index = lastIndex_;
    return true;
  }

 private:
  const std::vector<uint32_t>& colours_;
  uint32_t last_ = 0xFFFFFFFFu;  // no colour: colours keep 24 bits
  GifPixelType lastIndex_ = 0;
};

// Hundredths of a second from the start to frame k.
int Centiseconds(const Animation& a, int k) { return (FrameStartMs(a, k) + 5) / 10; }

struct GifWriter {
  GifFileType* gif;
  bool ok = true;
  void Check(int result) { ok = ok && result == GIF_OK; }
};

}  // namespace

bool EncodeGifAnimation(const DrawnPicture& p, const FramePlan& plan, const Animation& a,
                        std::string& bytes, std::string& reason) {
  const std::vector<uint32_t>& colours = plan.colours;
  if (colours.size() > 256) {
    reason = "a GIF holds 256 colours and the picture has more (WebP holds them all)";
    return false;
  }
  const int width = p.raster.width, height = p.raster.height;
  // The colours, then the transparent index of pixels a frame leaves as they
  // were, when there is room for one.
  const int count = static_cast<int>(colours.size());
  const int transparent = count < 256 ? count : NO_TRANSPARENT_COLOR;
  int mapSize = 2;
  while (mapSize < count + (transparent >= 0)) mapSize *= 2;
  ColorMapObject* map = GifMakeMapObject(mapSize, nullptr);
  if (!map) {
    reason = "out of memory";
    return false;
  }
  for (int i = 0; i < count; ++i)
    map->Colors[i] = {static_cast<GifByteType>(colours[i] & 0xFF),
                      static_cast<GifByteType>((colours[i] >> 8) & 0xFF),
                      static_cast<GifByteType>((colours[i] >> 16) & 0xFF)};
  int error = 0;
  std::string out;
  GifWriter w{EGifOpen(&out, Append, &error)};
  if (!w.gif) {
    GifFreeMapObject(map);
    reason = "out of memory";
    return false;
  }
  EGifSetGifVersion(w.gif, true);
  w.Check(EGifPutScreenDesc(w.gif, width, height, 8, 0, map));
  GifFreeMapObject(map);
  // Loops for ever.
  w.Check(EGifPutExtensionLeader(w.gif, APPLICATION_EXT_FUNC_CODE));
  w.Check(EGifPutExtensionBlock(w.gif, 11, "NETSCAPE2.0"));
  w.Check(EGifPutExtensionBlock(w.gif, 3, "\x01\x00\x00"));
  w.Check(EGifPutExtensionTrailer(w.gif));

  Palette palette(colours);
  const size_t pixels = static_cast<size_t>(width) * height;
  std::vector<GifPixelType> shown(pixels), frame(pixels), line(width);
  int k = 0;
  bool inPalette = true;
  const bool framed = MakeFrames(p, plan, a.frames, false, [&](const Image& img) {
    for (int y = 0; y < height && inPalette; ++y)
      for (int x = 0; x < width && inPalette; ++x)
        inPalette = palette.Index(img.Row(y)[x], frame[static_cast<size_t>(y) * width + x]);
    if (!inPalette) return false;
    // The rectangle that changed; the whole picture first, and a pixel when
    // nothing changed, so that the frame is still there.
    int x0 = 0, y0 = 0, x1 = width - 1, y1 = height - 1;
    if (k > 0) {
      x0 = width, y0 = height, x1 = -1, y1 = -1;
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
          if (frame[static_cast<size_t>(y) * width + x] !=
              shown[static_cast<size_t>(y) * width + x]) {
            x0 = std::min(x0, x), x1 = std::max(x1, x);
            y0 = std::min(y0, y), y1 = std::max(y1, y);
          }
      if (x1 < 0) x0 = y0 = x1 = y1 = 0;
    }
    GraphicsControlBlock control;
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = Centiseconds(a, k + 1) - Centiseconds(a, k);
    control.TransparentColor = k > 0 ? transparent : NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    w.Check(EGifPutExtension(w.gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension));
    w.Check(EGifPutImageDesc(w.gif, x0, y0, x1 - x0 + 1, y1 - y0 + 1, false, nullptr));
    for (int y = y0; y <= y1 && w.ok; ++y) {
      const size_t row = static_cast<size_t>(y) * width;
      for (int x = x0; x <= x1; ++x) {
        const GifPixelType now = frame[row + x];
        line[x - x0] = control.TransparentColor >= 0 && now == shown[row + x]
                           ? static_cast<GifPixelType>(transparent)
                           : now;
      }
      w.Check(EGifPutLine(w.gif, line.data(), x1 - x0 + 1));
    }
    shown.swap(frame);
    ++k;
    return w.ok;
  });
  // Closing writes the end and frees the writer, whatever happened before.
  const bool closed = EGifCloseFile(w.gif, &error) == GIF_OK;
  if (!inPalette) {
    reason = "a colour of the picture is missing from the GIF's palette";
    return false;
  }
  if (!framed || !w.ok || !closed) {
    reason = "the animation could not be encoded";
    return false;
  }
  bytes = std::move(out);
  return true;
}

}  // namespace base
