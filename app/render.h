#pragma once
// Pictures without a window: each parameter file is loaded into the settings
// of a program just started on a screen of the given size, drawn as Draw
// draws them, and the picture written by the output's extension (.bmp, .png,
// .svg, or an animation of the drawing: .webp, .gif). No toolkit is started.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/batch.h"
#include "app/plot.h"
#include "base/file_io.h"
#include "files/parms_keys.h"

namespace app {

struct RenderRequest {
  std::vector<std::string> parms;  // parameter files
  std::string out;                 // the picture, for one parameter file, or
  BatchOptions batch;              // a folder: one picture a file, named after it
  PlotOptions plot;                // a plot's page and pens (app/plot.h)
};

// What makes the request a usage error, before anything is drawn (a kind of
// picture that cannot be written, an option that would be ignored); empty
// when it can run.
std::string RenderRequestProblem(const RenderRequest& request);

// The picture each parameter file is drawn into: --out, or in --out-dir the
// file's name with the format's ending, made distinct ("x-2.png") when two
// inputs share a name, so that no picture of the run replaces another.
std::vector<std::string> RenderOutputs(const RenderRequest& request);

// Draws a settings text (a parameter file's, with its pen colour) into the
// picture `out`, as RenderPictures draws each file; false with the problem.
// `values` are the checked values of `settings`, which the picture carries.
// A picture a batch makes refuses a link in its place (base::AtLink).
bool RenderSettings(const std::string& settings, const files::ParmsValues& values, int width,
                    int height, bool antialias, const std::string& out, bool showProgress,
                    std::string& problem, base::AtLink atLink = base::AtLink::Follow,
                    const base::Animation& animation = {});

// Renders every file of the request, over several worker threads with
// --out-dir (app/batch.h); a line on standard error for each file when there
// are several, in the files' order, and, on a terminal with one worker, how
// far each picture is. Returns
// the exit code: 0 when every picture was written, 2 (with a one-line message
// naming the reason) when the output folder cannot be made, a file could not
// be loaded or a picture not written; the other pictures are still made.
int RenderPictures(const RenderRequest& request);

}  // namespace app
