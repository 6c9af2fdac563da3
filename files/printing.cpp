#include "files/printing.h"

#include <cmath>

#include "base/file_io.h"
#include "base/numbers.h"
#include "base/profile.h"
#include "files/parameter_file.h"
#include "window/trochela_main.h"

namespace files {

forms::PageInches ReadPrinterIni(const std::string& folder) {
  std::string text, reason;
  base::Profile ini;
  if (base::ReadWholeFile(folder + "/printer.ini", kMaxProfileBytes, text, reason))
    ini = base::Profile(text);
  auto value = [&](const char* key) { return base::Val(ini.Get(kParmsSection, key, "False", 40)); };
  forms::PageInches page;
  page.paperHeight = value("Paper_Height");
  page.paperWidth = value("Paper_Width");
  page.printedHeight = value("Printed_Height");
  page.printedWidth = value("Printed_Width");
  page.heightOffset = value("Height_Offset");
  page.widthOffset = value("Width_Offset");
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
  forms::PageInches page = ReadPrinterIni(w.StartFolder);
  const auto choice = w.services.ShowPrinter();
  if (!choice) return;
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
