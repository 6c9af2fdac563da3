#pragma once
// Pictures without a window: each parameter file is loaded into a window of
// its own on a screen of the given size, drawn once with Draw, and the
// picture written by the output's extension (.bmp, .png, .svg).
#include <functional>
#include <string>
#include <vector>

namespace app {

struct RenderRequest {
  std::vector<std::string> parms;  // parameter files
  std::string out;                 // the picture, for one parameter file
  std::string outDir;              // or a folder: one picture a file, named after it
  std::string format = "png";      // extension of the pictures in outDir
  int width = 1920, height = 1080;
  bool seedGiven = false;
  double seed = 0;
  bool antialias = false;  // PNG output drawn smoothly from the lines
  int jobs = 0;            // worker processes; 0: one a core (app/batch.h)
  // Readies the toolkit in each process that draws.
  std::function<void()> startToolkit = [] {};
};

// Renders every file of the request, over several processes when there are
// several files; a line on standard error for each file when there are
// several, in the files' order. Returns the exit code: 0 when every picture was
// written, 2 (with a one-line message) when a file could not be loaded or a
// picture not written.
int RenderPictures(const RenderRequest& request);

}  // namespace app
