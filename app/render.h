#pragma once
// Rendering parameter files without a window on screen: each file is loaded
// into a headless window, drawn once and saved as a picture.
#include <string>
#include <vector>

namespace app {

struct RenderJob {
  std::vector<std::string> parms;     // no file: the start picture
  std::string out;                    // the picture, for one file
  std::string outDir;                 // one picture a file, named after it
  std::string outExtension = ".png";  // of the pictures in outDir
  int width = 1920, height = 1080;
  bool antialias = false;  // PNG pictures drawn smoothly from the lines
  bool seedGiven = false;
  double seed = 0;
};

// Loads each file (as Load Parms does) into a fresh window of the job's size,
// presses Draw, waits for the drawing to end and saves the canvas by the
// output's extension. Returns 0, or 2 after a one-line message on standard
// error when a file cannot be loaded or a picture cannot be written. With
// outDir, a progress line a file goes to standard error.
int RenderParameterFiles(const RenderJob& job);

}  // namespace app
