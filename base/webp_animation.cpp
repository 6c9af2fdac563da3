#include "base/webp_animation.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace base {
namespace {

struct EncoderGone {
  void operator()(WebPAnimEncoder* e) const { WebPAnimEncoderDelete(e); }
};
struct MuxGone {
  void operator()(WebPMux* m) const { WebPMuxDelete(m); }
};
struct PictureGone {
  void operator()(WebPPicture* p) const { WebPPictureFree(p); }
};
// Bytes libwebp handed out, given back when they go.
struct Data : WebPData {
  Data() { WebPDataInit(this); }
  ~Data() { WebPDataClear(this); }
  Data(const Data&) = delete;
  Data& operator=(const Data&) = delete;
};

// The loop for ever over a white canvas.
WebPMuxAnimParams LoopForEver() {
  WebPMuxAnimParams params;
  params.bgcolor = 0xFFFFFFFFu;
  params.loop_count = 0;
  return params;
}

int Duration(const Animation& a, int k) { return FrameStartMs(a, k + 1) - FrameStartMs(a, k); }

// The encoder drops a frame that shows the same as the one before, which
// lasts longer instead. Each such frame is put back as a copy of the frame
// before it, so that the animation has every frame, each with its own time;
// a copy shows what its frame showed, as the frame clears the picture
// (dispose to the background) only after the last of its copies, where it
// did before. `firsts` are the frames given to the encoder, in order; the
// others repeat the one before.
bool PutBackRepeats(std::string& bytes, const std::vector<int>& firsts, const Animation& a,
                    int width, int height, std::string& reason) {
  const std::string encoded = std::move(bytes);
  WebPData in{reinterpret_cast<const uint8_t*>(encoded.data()), encoded.size()};
  const std::unique_ptr<WebPMux, MuxGone> from(WebPMuxCreate(&in, 0));
  const std::unique_ptr<WebPMux, MuxGone> to(WebPMuxNew());
  const WebPMuxAnimParams params = LoopForEver();
  if (!from || !to || WebPMuxSetAnimationParams(to.get(), &params) != WEBP_MUX_OK ||
      WebPMuxSetCanvasSize(to.get(), width, height) != WEBP_MUX_OK) {
    reason = "the animation could not be encoded";
    return false;
  }
  for (size_t j = 0; j < firsts.size(); ++j) {
    WebPMuxFrameInfo frame;
    std::memset(&frame, 0, sizeof frame);
    if (WebPMuxGetFrame(from.get(), static_cast<uint32_t>(j + 1), &frame) != WEBP_MUX_OK) {
      reason = "the encoder merged frames that differ";
      return false;
    }
    Data bitstream;
    static_cast<WebPData&>(bitstream) = frame.bitstream;
    const WebPMuxAnimDispose dispose = frame.dispose_method;
    const int end = j + 1 < firsts.size() ? firsts[j + 1] : a.frames;
    frame.id = WEBP_CHUNK_ANMF;
    for (int k = firsts[j]; k < end; ++k) {
      frame.duration = Duration(a, k);
      frame.dispose_method = k + 1 == end ? dispose : WEBP_MUX_DISPOSE_NONE;
      if (WebPMuxPushFrame(to.get(), &frame, 1) != WEBP_MUX_OK) {
        reason = "the animation could not be encoded";
        return false;
      }
    }
  }
  Data out;
  if (WebPMuxAssemble(to.get(), &out) != WEBP_MUX_OK) {
    reason = "the animation could not be encoded";
    return false;
  }
  bytes.assign(reinterpret_cast<const char*>(out.bytes), out.size);
  return true;
}

}  // namespace

bool EncodeWebpAnimation(const DrawnPicture& p, const FramePlan& plan, const Animation& a,
                         bool antialias, std::string& bytes, std::string& reason) {
  const int width = p.raster.width, height = p.raster.height;
  if (width > WEBP_MAX_DIMENSION || height > WEBP_MAX_DIMENSION) {
    reason = "a WebP picture is at most " + std::to_string(WEBP_MAX_DIMENSION) + " pixels a side";
    return false;
  }
  WebPAnimEncoderOptions options;
  WebPConfig config;
  if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&config) ||
      !WebPConfigLosslessPreset(&config, 0)) {
    reason = "the WebP library does not match the program";
    return false;
  }
  options.anim_params = LoopForEver();
  options.kmax = 0;  // no key frames but the first: smaller and faster
  const std::unique_ptr<WebPAnimEncoder, EncoderGone> encoder(
      WebPAnimEncoderNew(width, height, &options));
  // Two pictures, this frame's and the last one's, to tell a frame that
  // repeats the last.
  WebPPicture pictures[2];
  std::unique_ptr<WebPPicture, PictureGone> held[2];
  for (WebPPicture& pic : pictures) {
    WebPPictureInit(&pic);
    pic.use_argb = 1;
    pic.width = width;
    pic.height = height;
    if (!WebPPictureAlloc(&pic)) break;
    held[&pic - pictures].reset(&pic);
  }
  if (!encoder || !held[0] || !held[1]) {
    reason = "out of memory";
    return false;
  }
  std::vector<int> firsts;  // the frames the encoder is given
  int k = 0;
  const size_t rowBytes = static_cast<size_t>(width) * sizeof(uint32_t);
  const bool framed = MakeFrames(p, plan, a.frames, antialias, [&](const Image& frame) {
    WebPPicture& pic = pictures[k % 2];
    const WebPPicture& last = pictures[(k + 1) % 2];
    bool same = k > 0;
    for (int y = 0; y < height; ++y) {
      const uint32_t* from = frame.Row(y);
      uint32_t* row = pic.argb + static_cast<size_t>(y) * pic.argb_stride;
      for (int x = 0; x < width; ++x) row[x] = from[x] | 0xFF000000u;
      same = same &&
             std::memcmp(row, last.argb + static_cast<size_t>(y) * last.argb_stride, rowBytes) == 0;
    }
    if (!same) {
      firsts.push_back(k);
      if (!WebPAnimEncoderAdd(encoder.get(), &pic, FrameStartMs(a, k), &config)) return false;
    }
    ++k;
    return true;
  });
  Data out;
  if (!framed || !WebPAnimEncoderAdd(encoder.get(), nullptr, FrameStartMs(a, a.frames), nullptr) ||
      !WebPAnimEncoderAssemble(encoder.get(), &out)) {
    const char* error = WebPAnimEncoderGetError(encoder.get());
    reason = std::string("the animation could not be encoded") +
             (error && *error ? std::string(": ") + error : std::string());
    return false;
  }
  // Frames that repeat the one before, or a single frame (which the encoder
  // writes as a still picture), are put back; the encoder keeps every other.
  bytes.assign(reinterpret_cast<const char*>(out.bytes), out.size);
  if (static_cast<int>(firsts.size()) < a.frames || a.frames == 1)
    return PutBackRepeats(bytes, firsts, a, width, height, reason);
  const std::unique_ptr<WebPMux, MuxGone> made(WebPMuxCreate(&out, 0));
  int count = 0;
  if (!made || WebPMuxNumChunks(made.get(), WEBP_CHUNK_ANMF, &count) != WEBP_MUX_OK ||
      count != a.frames) {
    reason = "the encoder merged frames that differ";
    return false;
  }
  return true;
}

}  // namespace base
