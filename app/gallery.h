#pragma once
// Random galleries: N pictures drawn from settings the Random button picks,
// from the start-up settings or a parameter file, with the random flags and
// boxes the window has at start-up. Each picture is written with its
// parameter file (random-001.png and random-001.tra, ...) and index.html
// shows them as thumbnails with the command that makes the gallery again.
// The same seed gives the same gallery, byte for byte, whatever the number
// of workers.
#include <functional>
#include <string>
#include <vector>

#include "app/batch.h"

namespace app {

struct GalleryRequest {
  int count = 0;
  std::string parms;   // settings to start from; empty: the start-up settings
  BatchOptions batch;  // a seed not given is chosen and shown in index.html
};

// Random's settings for each of the request's pictures, in order (each a
// parameter file's text with its pen colour), from `seed`.
bool GallerySettings(const GalleryRequest& request, double seed, std::vector<std::string>& out,
                     std::string& reason);

// Returns the exit code: 0 when the whole gallery was written, 2 (with
// messages) when the settings could not be read or a file not written.
int MakeGallery(const GalleryRequest& request);

}  // namespace app
