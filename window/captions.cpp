#include "window/captions.h"

#include <string>

#include "base/numbers.h"
#include "window/trochela_main.h"

namespace window {

int ShownWheel(const TrochelaMain& w) {
  const std::string& caption = w.LblScrollWheel.Caption();
  const std::string rest = caption.size() > 7 ? caption.substr(7) : std::string();
  return base::ToInt16(base::Val(rest));
}

int WheelLimit(const TrochelaMain& w) {
  return base::ToInt32(base::Val(w.CmdWheelLimit.Caption()));
}

}  // namespace window
