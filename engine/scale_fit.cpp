#include "engine/scale_fit.h"

#include "model/bindings.h"
#include "model/steps.h"
#include "window/trochela_main.h"

namespace engine {

void FitScale(window::TrochelaMain& w) {
  model::FitScale(w.picture, w.draw.LoopIndex);
  w.TxtX.ShowValue();
  w.TxtY.ShowValue();
}

}  // namespace engine
