// Settings values without a window: each field's repair rule, and the
// vectors of a drawing as an SVG reads them back.
#include <gtest/gtest.h>

#include <tuple>

#include "base/line_log.h"
#include "base/svg_writer.h"
#include "drawing/draw_picture.h"
#include "model/bindings.h"
#include "model/editor_bars.h"

namespace {

using model::FieldId;

TEST(Settings, EachFieldIsRepairedByItsRowsRule) {
  const std::tuple<FieldId, const char*, const char*> cases[] = {
      {FieldId::Loops, "0", "1"},          {FieldId::Loops, "abc", "1"},
      {FieldId::Loops, "2.5", "2.5"},      {FieldId::PctDec, "0", "1"},
      {FieldId::PctDec, "1.5", "1"},       {FieldId::PctDec, "0.5", "0.5"},
      {FieldId::Resolution, "0.5", "1"},   {FieldId::Resolution, "10000", "9999"},
      {FieldId::Resolution, "9999", "9999"}, {FieldId::PctScale, "0", "100"},
      {FieldId::PctScale, "x", "100"},     {FieldId::PctScale, "501", "500"},
      {FieldId::PctScale, "-3", "-3"},     {FieldId::OffX, "1001", "0"},
      {FieldId::OffY, "-1000", "-1000"},   {FieldId::OffY, "-1000.5", "0"},
      {FieldId::XScale, "101", "100"},     {FieldId::YScale, "", "1"},
      {FieldId::Turn, "x", "0"},           {FieldId::Rotations, "1e", "1"},
      {FieldId::HoleInc, "-7", "-7"},
  };
  for (const auto& [id, typed, repaired] : cases) {
    model::Field f(typed);
    model::RepairField(f, model::BindingOf(id).repair);
    EXPECT_EQ(f.Text(), repaired) << model::BindingOf(id).control << " \"" << typed << "\"";
  }
}

TEST(Settings, AnSvgHoldsEveryPointOfItsPolylines) {
  base::LineLog log;
  log.Reset(0xFFFFFF);
  log.Add(1.5f, 2.25f, 3, 4, 0x0000FF, 2);
  log.Extend(-5.5f, 7);
  log.Add(10, 20, 30, 40, 0x00FF00, 1);
  const std::string svg = base::SvgDocument(log, 40, 30, {});
  EXPECT_NE(svg.find("stroke=\"#FF0000\" stroke-width=\"2\" points=\"1.50,2.25 3.00,4.00 -5.50,7.00\""),
            std::string::npos)
      << svg;
  EXPECT_NE(svg.find("stroke=\"#00FF00\" stroke-width=\"1\" points=\"10.00,20.00 30.00,40.00\""),
            std::string::npos)
      << svg;
}

}  // namespace

// A host with nobody to yield to: the lines go into a picture of its own.
class Canvas final : public drawing::Host {
 public:
  Canvas(int w, int h) : image(w, h, 0xFFFFFF), map(base::ScreenMapping(w, h)) {}
  drawing::LineTarget Target(const model::PictureSettings& s) override {
    return {&image, nullptr, map, s.penShown, s.penWidth};
  }
  const int16_t& StopFlag() const override { return stop; }
  base::Image image;
  base::Mapping map;
  int16_t stop = 0;
};

// The start picture with three passes that shrink, turn and move the pen in a
// gradient, drawn from a value: its ink and what the passes wrote back.
TEST(Settings, AValueDrawsWithoutAWindow) {
  model::StartedProgram p = model::StartProgram(320, 240);
  model::PictureSettings& s = p.settings;
  for (const auto& [id, text] : {std::pair{FieldId::Loops, "3"}, {FieldId::PctDec, "0.9"},
                                 {FieldId::RotInc, "10"}, {FieldId::HoleInc, "5"}})
    s[id].Set(text);
  s.Gradient = 1;
  s.ResetPen = 0;
  Canvas canvas(320, 240);
  base::DrawingState d;
  drawing::DrawPicture(s, d, canvas, false, s.Shape());
  long ink = 0;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) ink += canvas.image.Get(x, y) != 0xFFFFFF;
  EXPECT_EQ(ink, 23117);
  EXPECT_EQ(s[FieldId::XScale].Text(), "0.2457");  // refitted to pen 205, then Dec
  EXPECT_EQ(s[FieldId::RotStart].Text(), "0");
  EXPECT_EQ(s.wheels.WheelSize[3], 205);
  EXPECT_EQ(s.pen.green, 6);
  EXPECT_EQ(d.PassNumber, 4);
}
