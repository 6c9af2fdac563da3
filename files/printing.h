#pragma once
// Print and the frame round the picture.
#include <string>

#include "forms/services.h"

namespace window {
struct TrochelaMain;
}

namespace files {

// The paper and printable area that printer.ini in `folder` gives (each value
// its leading number, 0 when the file or the key is missing). A file that is
// there but cannot be read, or gives both printed sizes with a value no page
// can have (not finite, a printed size under 0.01 inch, anything beyond 1000
// inches), gives a page of zeros and says why in `problem`.
forms::PageInches ReadPrinterIni(const std::string& folder, std::string* problem = nullptr);

// Where a picture of w x h inches goes on the page: fitted into the printable
// area without enlargement, keeping its proportions, and centred on the paper
// less the printer's offsets. Orientation 1 is portrait, 2 landscape.
struct Placement {
  double left = 0, top = 0, width = 0, height = 0;
};
Placement PlacePicture(double w, double h, const forms::PageInches& page, int orientation);

// Prints the canvas picture centred on the page and shrunk to its printable
// area, painting the canvas image on the printer directly (the clipboard is
// left alone). Without a printer.ini that gives both printed sizes, the chosen
// printer's own paper and printable area are used.
void CmdPrint_Click(window::TrochelaMain& w);

// Four lines of width 8 in the drawing colour along the canvas edges, drawn
// into the picture like any other line.
void CmdFrame_Click(window::TrochelaMain& w);

}  // namespace files
