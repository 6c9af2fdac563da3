#include "files/printing.h"

#include <cmath>

#include "base/file_io.h"
#include "base/numbers.h"
#include "base/profile.h"
#include "files/parameter_file.h"
#include "window/trochela_main.h"

namespace files {

namespace {

// The calibration a page can have, in inches.
constexpr double kMaxInches = 1000;
constexpr double kMinPrintedInches = 0.01;

// Why a calibration that gives both printed sizes cannot place a picture;
// empty when it can.
std::string PageProblem(const forms::PageInches& p) {
  auto within = [](double v, double lo) { return v >= lo && v <= kMaxInches; };
  if (!within(p.printedWidth, kMinPrintedInches) || !within(p.printedHeight, kMinPrintedInches))
    return "a printed size is not from 0.01 to 1000 inches";
  if (!within(p.paperWidth, 0) || !within(p.paperHeight, 0))
    return "a paper size is not from 0 to 1000 inches";
  if (!within(p.widthOffset, -kMaxInches) || !within(p.heightOffset, -kMaxInches))
    return "an offset is not from -1000 to 1000 inches";
  return {};
}

}  // namespace

forms::PageInches ReadPrinterIni(const std::string& folder, std::string* problem) {
  const std::string path = folder + "/printer.ini";
  std::string text, reason;
  base::Profile ini;
  if (base::ReadWholeFile(path, kMaxProfileBytes, text, reason))
    ini = base::Profile(text);
  else if (base::PathExists(path) && problem)
    *problem = reason;
  auto value = [&](const char* key) {
    return base::Val(ini.Get(kParmsSection, key, "False", 40), base::UserDecimalSeparator());
  };
  forms::PageInches page;
  page.paperHeight = value("Paper_Height");
  page.paperWidth = value("Paper_Width");
  page.printedHeight = value("Printed_Height");
  page.printedWidth = value("Printed_Width");
  page.heightOffset = value("Height_Offset");
  page.widthOffset = value("Width_Offset");
  // A file without both printed sizes leaves the page to the printer; a
  // printed size that is there but is no positive number (-1, inf, nan) is no
  // page either, and is told as a size too large is.
  for (const char* key : {"Printed_Height", "Printed_Width"}) {
    if (ini.Has(kParmsSection, key) && !(value(key) > 0)) {
      if (problem) *problem = PageProblem({});
      return {};
    }
  }
  if (!(page.printedWidth > 0) || !(page.printedHeight > 0)) return page;
  if (const std::string bad = PageProblem(page); !bad.empty()) {
    if (problem) *problem = bad;
    return {};
  }
  return page;
}

Placement PlacePicture(double w, double h, const forms::PageInches& page, int orientation) {
  // Width first, then height, each shrinking the other side with it.
  auto fit = [&](double across, double down) {
    if (w > across) {
      const double r = w / across;
      w = across;
      h = h / r;
    }
    if (h > down) {
      const double r = h / down;
      h = down;
      w = w / r;
    }
  };
  if (orientation == 1) fit(page.printedWidth, page.printedHeight);
  if (orientation == 2) fit(page.printedHeight, page.printedWidth);
  if (orientation == 1)
    return {(page.paperWidth - w) / 2 - page.widthOffset,
            (page.paperHeight - h) / 2 - page.heightOffset, w, h};
  return {(page.paperHeight - w) / 2 - page.heightOffset,
          (page.paperWidth - h) / 2 - page.widthOffset, w, h};
}

void CmdPrint_Click(window::TrochelaMain& w) {
  std::string problem;
  forms::PageInches page = ReadPrinterIni(w.StartFolder, &problem);
  const auto choice = w.services.ShowPrinter();
  if (!choice) return;
  if (!problem.empty())
    w.services.ShowMessage("printer.ini is not used: " + problem + "; printing on the printer's page.");
  if (!(page.printedWidth > 0) || !(page.printedHeight > 0)) page = w.services.PrinterPage();
  if (!(page.printedWidth > 0) || !(page.printedHeight > 0)) {
    w.services.ShowMessage("Cannot print: the printer reports no printable area.");
    return;
  }
  // The picture's size as a picture object reports it, in hundredths of a
  // millimetre, divided by 1440.
  const double ppi = w.services.PixelsPerInch();
  const double width = std::round(w.Canvas.PixelWidth() * 2540.0 / ppi) / 1440;
  const double height = std::round(w.Canvas.PixelHeight() * 2540.0 / ppi) / 1440;
  const Placement at = PlacePicture(width, height, page, choice->orientation);
  if (!w.services.BeginPrint(*choice)) {
    w.services.ShowMessage("Cannot print: the printer could not start the document.");
    return;
  }
  w.services.PrintPicture(w.Canvas.Raster(), static_cast<float>(at.left), static_cast<float>(at.top),
                         at.width, at.height);
  if (!w.services.EndPrint())
    w.services.ShowMessage("Printing failed: the printer did not take the page.");
}

void CmdFrame_Click(window::TrochelaMain& w) {
  const int saved = w.Canvas.DrawWidth();
  w.Canvas.SetDrawWidth(8);
  const float hw = static_cast<float>(w.Canvas.ScaleWidth() / 2);
  const float hh = static_cast<float>(w.Canvas.ScaleHeight() / 2);
  // Half of each line lies outside the picture.
  w.Canvas.Line(-hw, hh, -hw, -hh);
  w.Canvas.Line(hw, hh, hw, -hh);
  w.Canvas.Line(-hw, -hh, hw, -hh);
  w.Canvas.Line(-hw, hh, hw, hh);
  w.Canvas.SetDrawWidth(saved);
  w.Canvas.SetFocus();
}

}  // namespace files
