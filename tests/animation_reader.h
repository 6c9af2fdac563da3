#pragma once
// Animated WebP and GIF files read back as a viewer shows them, with the
// formats' own decoders (libwebp's WebPAnimDecoder, giflib's DGifSlurp):
// every frame as whole RGB pixels (0x00RRGGBB, row by row), its duration and
// the loop count.
#include <gif_lib.h>
#include <webp/demux.h>

#include <cstring>
#include <string>
#include <vector>

struct Movie {
  int width = 0, height = 0, loops = -1;
  std::vector<std::vector<uint32_t>> frames;
  std::vector<int> ms;
};

inline Movie ReadWebpMovie(const std::string& bytes) {
  Movie m;
  WebPData data{reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
  WebPAnimDecoderOptions options;
  WebPAnimDecoderOptionsInit(&options);
  options.color_mode = MODE_BGRA;  // little-endian 0xAARRGGBB
  WebPAnimDecoder* dec = WebPAnimDecoderNew(&data, &options);
  WebPAnimInfo info;
  if (!dec || !WebPAnimDecoderGetInfo(dec, &info)) return m;
  m.width = info.canvas_width, m.height = info.canvas_height, m.loops = info.loop_count;
  int last = 0;
  while (WebPAnimDecoderHasMoreFrames(dec)) {
    uint8_t* buf;
    int at;
    if (!WebPAnimDecoderGetNext(dec, &buf, &at)) break;
    std::vector<uint32_t> px(static_cast<size_t>(m.width) * m.height);
    std::memcpy(px.data(), buf, px.size() * 4);
    for (uint32_t& p : px) p &= 0xFFFFFF;
    m.frames.push_back(std::move(px));
    m.ms.push_back(at - last);  // the decoder gives each frame's end
    last = at;
  }
  WebPAnimDecoderDelete(dec);
  return m;
}

inline int ReadFromString(GifFileType* gif, GifByteType* to, int n) {
  auto* rest = static_cast<std::string*>(gif->UserData);
  n = std::min<int>(n, static_cast<int>(rest->size()));
  std::memcpy(to, rest->data(), n);
  rest->erase(0, n);
  return n;
}

// The frames as a viewer composes them: each lies over the last, its
// transparent pixels showing what was there.
inline Movie ReadGifMovie(std::string bytes) {
  Movie m;
  int error = 0;
  GifFileType* gif = DGifOpen(&bytes, ReadFromString, &error);
  if (!gif || DGifSlurp(gif) != GIF_OK) return m;
  m.width = gif->SWidth, m.height = gif->SHeight;
  std::vector<uint32_t> shown(static_cast<size_t>(m.width) * m.height);
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& s = gif->SavedImages[i];
    GraphicsControlBlock gcb;
    DGifSavedExtensionToGCB(gif, i, &gcb);
    for (int e = 0; e < s.ExtensionBlockCount; ++e)
      if (s.ExtensionBlocks[e].Function == APPLICATION_EXT_FUNC_CODE &&
          e + 1 < s.ExtensionBlockCount)
        m.loops = s.ExtensionBlocks[e + 1].Bytes[1] | s.ExtensionBlocks[e + 1].Bytes[2] << 8;
    const ColorMapObject* map = s.ImageDesc.ColorMap ? s.ImageDesc.ColorMap : gif->SColorMap;
    const GifImageDesc& d = s.ImageDesc;
    for (int y = 0; y < d.Height; ++y)
      for (int x = 0; x < d.Width; ++x) {
        const int index = s.RasterBits[y * d.Width + x];
        if (index == gcb.TransparentColor) continue;
        const GifColorType c = map->Colors[index];
        shown[static_cast<size_t>(d.Top + y) * m.width + d.Left + x] =
            uint32_t(c.Red) << 16 | uint32_t(c.Green) << 8 | c.Blue;
      }
    m.frames.push_back(shown);
    m.ms.push_back(gcb.DelayTime * 10);
  }
  DGifCloseFile(gif, &error);
  return m;
}

inline Movie ReadMovie(const std::string& bytes) {
  return bytes.rfind("GIF", 0) == 0 ? ReadGifMovie(bytes) : ReadWebpMovie(bytes);
}
