#pragma once
// Batches over every core: jobs run in worker threads of this process, each
// taking the next job whenever it is free, and what each job has to say (its
// progress line, its failures) is written to standard error in job order, as
// one worker would write it. The results do not depend on the number of
// workers. Ctrl+C or SIGTERM during a batch asks every job to stop at its
// next yield; no job starts after that, and the batch returns once every
// worker has stopped.
#include <functional>
#include <optional>
#include <string>

#include "base/animation.h"
#include "base/picture_file.h"

namespace app {

// What every batch of pictures takes: where they go and as what, the screen
// they are drawn for, the seed, smoothing and the workers.
struct BatchOptions {
  std::string outDir;          // the folder of the pictures
  std::string format = "png";  // the pictures' ending in outDir: png, bmp, svg, webp or gif
  bool formatGiven = false;
  int width = 1920, height = 1080;
  std::optional<double> seed;  // none: from the clock
  bool antialias = false;      // PNG pictures drawn smoothly from their lines
  base::Animation animation;   // the frames of animated pictures (webp, gif)
  bool animationGiven = false; // --frames or --fps
  int jobs = 0;                // worker threads; 0: one a core
};

// What makes the options a usage error for pictures of `kind` (smoothing a
// kind that cannot be smooth, frames for a picture that does not move); empty
// when nothing does.
std::string BatchKindProblem(const BatchOptions& options, base::PictureKind kind);

// The workers a batch uses unless told: one a core.
int DefaultJobs();

// Runs jobs 0..count-1 over at most `workers` threads: `run(i, said)` is
// true when job i succeeded, with what it has to say appended to `said`; it
// must touch no toolkit object. Returns true when every job succeeded and
// the batch was not stopped.
bool RunJobs(int count, int workers, const std::function<bool(int, std::string&)>& run);

// True once Ctrl+C or SIGTERM asked the running batch to stop; jobs read it
// at their yields.
bool StopAsked();

}  // namespace app
