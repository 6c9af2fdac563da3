#pragma once
// The machine as headless runs and tests see it: a screen of a given size and
// depth, a clock that advances a little at every reading (so that pauses end
// without waiting on real seconds), and dialogs answered from a queue of
// prepared answers (an unanswered dialog is cancelled).
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "forms/services.h"

namespace forms {

// One prepared answer for the next dialog.
struct DialogAnswer {
  enum class Kind { Open, Save, Color, Print, PlotPage, Cancel } kind = Kind::Cancel;
  std::string path;
  int fileType = 1;  // the save dialog's file type, from 1
  uint32_t color = 0;
  PrintChoice print;
  PlotPageChoice plotPage;
};

class ScriptedServices : public Services {
 public:
  ScriptedServices(int screenWidth, int screenHeight, int colorDepth, double pixelRatio = 1);

  double Timer() override;
  int ScreenWidth() override { return width_; }
  int ScreenHeight() override { return height_; }
  int ColorDepth() override { return depth_; }
  double PixelRatio() override { return ratio_; }
  double PixelsPerInch() override { return 96 * ratio_; }
  std::string CurrentFolder() override;
  void SetCurrentFolder(const std::string& folder) override;
  std::optional<std::string> ShowOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ShowSave(const FileDialogRequest& request) override;
  std::optional<uint32_t> ShowColor(uint32_t startColor) override;
  std::optional<PrintChoice> ShowPrinter() override;
  // A plot's page dialog that no answer waits for keeps what it shows.
  std::optional<PlotPageChoice> ShowPlotPage(const PlotPageChoice& start) override;
  using Services::LoadPicture;
  std::optional<base::Image> LoadPicture(const std::string& path, std::string& reason) override;
  void SetClipboardPicture(const base::Image& image) override { clipboard_ = image; }
  std::optional<base::Image> ClipboardPicture() override { return clipboard_; }
  void ClearClipboard() override { clipboard_.reset(); }
  bool BeginPrint(const PrintChoice& choice) override;
  void PrintPicture(const base::Image& image, double left, double top, double width,
                    double height) override;
  bool EndPrint() override;
  // An A4 sheet with a quarter inch margin all round.
  PageInches PrinterPage() override;
  void ShowMessage(const std::string& text) override;

  // What the printer was given, for tests: one entry a painted picture.
  struct PrintedPicture {
    PrintChoice document;
    int pixelWidth = 0, pixelHeight = 0;
    double left = 0, top = 0, width = 0, height = 0;  // inches
  };
  const std::vector<PrintedPicture>& Printed() const { return printed_; }
  // The messages shown, oldest first.
  const std::vector<std::string>& Messages() const { return messages_; }
  // The file dialogs shown, oldest first: "FLAGS FILTER TYPE", with the
  // filter's first description and the type a save dialog opened on.
  const std::vector<std::string>& Dialogs() const { return dialogs_; }

  void Answer(DialogAnswer a) { answers_.push_back(std::move(a)); }

  // A printer that fails, for tests: the document cannot start, or the page
  // is not taken when the document ends.
  enum class PrinterFault { None, CannotStart, PageLost };
  void SetPrinterFault(PrinterFault f) { printerFault_ = f; }

 private:
  std::optional<DialogAnswer> Take(DialogAnswer::Kind kind);
  std::optional<std::string> TakeFile(DialogAnswer::Kind kind, int* type = nullptr);

  int width_, height_, depth_;
  double ratio_;
  double clock_ = 43200;  // noon
  double clockStep_ = 0.01;
  std::deque<DialogAnswer> answers_;
  std::optional<base::Image> clipboard_;
  std::optional<PrintChoice> document_;
  std::vector<PrintedPicture> printed_;
  std::vector<std::string> messages_;
  std::vector<std::string> dialogs_;
  void Shown(const FileDialogRequest& r);
  PrinterFault printerFault_ = PrinterFault::None;
  size_t documentStart_ = 0;
};

// The machine of a desktop session: the real clock, screen, Qt's dialogs.
std::unique_ptr<Services> MakeDesktopServices();

// The decimal separator of the user's numbers (LC_ALL, LC_NUMERIC, LANG), as
// the toolkit reads it: ',' or '.', and '.' for any other mark. Scripted runs
// take it too, so that a script runs under the user's locale as the desktop
// would.
char DesktopDecimalSeparator();

// Picture files through Qt's image codecs: bitmaps to load, bitmaps (or PNG,
// by the file's extension) to save.
std::optional<base::Image> LoadPictureFile(const std::string& path, std::string& reason);
bool SavePictureFile(const base::Image& image, const std::string& path);

}  // namespace forms
