// The main window's fields by name, for automation's print and expect.
#include <functional>
#include <map>

#include "automation/script_runner.h"
#include "base/numbers.h"
#include "window/trochela_main.h"

namespace automation {
namespace {

using Getter = std::function<std::string(TrochelaMain&)>;

template <class T>
std::string Text(T v) {
  if constexpr (std::is_floating_point_v<T>)
    return base::FormatNumber(static_cast<double>(v));
  else
    return std::to_string(v);
}

const std::map<std::string, Getter>& Scalars() {
  static const std::map<std::string, Getter> m = {
#define FIELD(name)                                      \
  {                                                      \
#name, [](TrochelaMain & w) { return Text(w.name); } \
  }
#define DRAW(name)                                            \
  {                                                           \
#name, [](TrochelaMain & w) { return Text(w.draw.name); } \
  }
      FIELD(ScreenPixelsX),
      FIELD(ScreenPixelsY),
      FIELD(DrawRed),
      FIELD(DrawGreen),
      FIELD(DrawBlue),
      FIELD(StopRequested),
      FIELD(DrawingInProgress),
      FIELD(DrawFromScroll),
      FIELD(ScrollSetByCode),
      FIELD(MouseX),
      FIELD(MouseY),
      FIELD(FillTargetColor),
      FIELD(AspectProportion),
      FIELD(CurrentWheel),
      FIELD(WheelCount),
      FIELD(RatioLimit),
      FIELD(SlideshowRunning),
      FIELD(PictureExtent),
      DRAW(CurveParam),
      DRAW(AngleStep),
      DRAW(OutlineAngle),
      DRAW(OutlineFactor),
      DRAW(PointX),
      DRAW(PointY),
      DRAW(ScaledX),
      DRAW(ScaledY),
      DRAW(PrevX),
      DRAW(PrevY),
      DRAW(RotStartRad),
      DRAW(TurnRad),
      DRAW(PassNumber),
      DRAW(LoopIndex),
      DRAW(GradientDirRed),
      DRAW(GradientDirGreen),
      DRAW(GradientDirBlue),
#undef FIELD
#undef DRAW
      {"StartFolder", [](TrochelaMain& w) { return w.StartFolder; }},
      {"ChosenFileName", [](TrochelaMain& w) { return w.ChosenFileName; }},
      {"SavedWheelCount", [](TrochelaMain& w) { return w.SavedWheelCount; }},
  };
  return m;
}

}  // namespace

bool FieldText(TrochelaMain& w, const std::string& name, int index, bool indexed,
               std::string& out) {
  if (indexed) {
    const WheelField* field = FindWheelField(name);
    if (!field || index < 1 || index > base::kWheels) return false;
    out = field->text(w.wheels, index);
    return true;
  }
  auto it = Scalars().find(name);
  if (it == Scalars().end()) return false;
  out = it->second(w);
  return true;
}

}  // namespace automation
