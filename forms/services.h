#pragma once
// Everything the program asks of the machine outside its window: the clock,
// the screen, the current folder, the common dialogs, the clipboard, the
// printer, failure messages and picture files. One interface, so that tests
// and headless runs can script it.
#include <cstdint>
#include <optional>
#include <string>

#include "base/raster.h"

namespace forms {

// What the open and save dialogs are set up with before they are shown.
// A file dialog's flags: no read-only box; a save dialog also asks before
// overwriting a file.
inline constexpr int kOpenDialog = 4;
inline constexpr int kAskBeforeOverwrite = 2;
inline constexpr int kSaveDialog = kOpenDialog | kAskBeforeOverwrite;

struct FileDialogRequest {
  int flags = 0;  // kOpenDialog or kSaveDialog
  std::string initDir;  // folder the dialog starts in
  std::string title;    // "Open" or "Save"
  std::string filter;   // description and pattern joined by "|"
  // The number (from 1) of the file type a save dialog opens on, where it
  // writes the type chosen, when the caller asks.
  int* chosenType = nullptr;
};

struct PrintChoice {
  int copies = 1;
  int orientation = 1;  // 1 portrait, 2 landscape
};

// The page of a plot Save Image writes: its name (A4, letter, WxHmm),
// orientation, margin in millimetres and pens (0: one a colour).
struct PlotPageChoice {
  std::string page = "A4";
  bool landscape = false;
  double margin = 15;
  int pens = 0;
};

// A printer's paper and printable area in inches, as in portrait orientation;
// the offsets are those of the printable area from the paper's top and left
// edges.
struct PageInches {
  double paperHeight{}, paperWidth{};
  double printedHeight{}, printedWidth{};
  double heightOffset{}, widthOffset{};
};

class Services {
 public:
  virtual ~Services() = default;

  // Seconds since midnight, with fractions.
  virtual double Timer() = 0;
  // Whether Timer follows real time. A pause on a real clock sleeps until the
  // next event instead of reading the clock over and over; a scripted clock
  // moves only when it is read, so a pause there keeps reading it.
  virtual bool RealTimeClock() { return false; }

  // Screen size in the screen's own (device) pixels and colour depth in bits
  // per pixel (planes x bits).
  virtual int ScreenWidth() = 0;
  virtual int ScreenHeight() = 0;
  virtual int ColorDepth() = 0;
  // Device pixels to one of the toolkit's logical pixels, in which the panel
  // and the windows are laid out (2 on a high-density screen).
  virtual double PixelRatio() { return 1; }
  // Device pixels per inch of the screen, for the size of a picture in inches.
  virtual double PixelsPerInch() = 0;

  virtual std::string CurrentFolder() = 0;
  virtual void SetCurrentFolder(const std::string& folder) = 0;

  // The common dialog. An empty result means the user cancelled.
  virtual std::optional<std::string> ShowOpen(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> ShowSave(const FileDialogRequest& request) = 0;
  virtual std::optional<uint32_t> ShowColor(uint32_t startColor) = 0;  // 0x00BBGGRR
  virtual std::optional<PrintChoice> ShowPrinter() = 0;
  // The page of a plot, starting from `start`; none when cancelled.
  virtual std::optional<PlotPageChoice> ShowPlotPage(const PlotPageChoice& start) { return start; }

  // The clipboard: a picture put on it, the picture it holds (none when it
  // holds no picture), and clearing it.
  virtual void SetClipboardPicture(const base::Image& image) = 0;
  virtual std::optional<base::Image> ClipboardPicture() = 0;
  virtual void ClearClipboard() = 0;

  // The printer: one document with the copies and orientation chosen, on
  // which pictures are painted at a position and size in inches.
  virtual bool BeginPrint(const PrintChoice& choice) = 0;
  virtual void PrintPicture(const base::Image& image, double left, double top, double width,
                            double height) = 0;
  // Ends the document, which sends the page; false when the job failed.
  virtual bool EndPrint() = 0;
  // The paper and printable area of the printer chosen in the print dialog.
  virtual PageInches PrinterPage() = 0;

  // A short message about a failure: a message box on the desktop, one line
  // on standard error in headless runs.
  virtual void ShowMessage(const std::string& text) = 0;

  // Picture files to load: the raster kinds only (BMP, PNG, JPEG, GIF) up to
  // the largest canvas; says why it took nothing. (Pictures are saved by
  // forms::SavePictureFile, the same for every session.)
  virtual std::optional<base::Image> LoadPicture(const std::string& path, std::string& reason) = 0;
  std::optional<base::Image> LoadPicture(const std::string& path) {
    std::string reason;
    return LoadPicture(path, reason);
  }
};

}  // namespace forms
