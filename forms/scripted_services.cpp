#include "forms/scripted_services.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

namespace forms {

ScriptedServices::ScriptedServices(int screenWidth, int screenHeight, int colorDepth,
                                   double pixelRatio)
    : width_(screenWidth), height_(screenHeight), depth_(colorDepth), ratio_(pixelRatio) {}

double ScriptedServices::Timer() {
  const double now = clock_;
  clock_ += clockStep_;
  if (clock_ >= 86400) clock_ -= 86400;
  return now;
}

std::string ScriptedServices::CurrentFolder() {
  // A working folder that has been deleted has no path: it counts as none.
  std::error_code ec;
  const auto folder = std::filesystem::current_path(ec);
  return ec ? std::string() : folder.string();
}

void ScriptedServices::SetCurrentFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::current_path(folder, ec);
}

std::optional<DialogAnswer> ScriptedServices::Take(DialogAnswer::Kind kind) {
  // The first answer meant for this kind of dialog, or a cancel, whichever
  // comes first; answers for other kinds wait for their dialogs.
  for (auto it = answers_.begin(); it != answers_.end(); ++it) {
    if (it->kind != kind && it->kind != DialogAnswer::Kind::Cancel) continue;
    DialogAnswer a = *it;
    answers_.erase(it);
    if (a.kind == DialogAnswer::Kind::Cancel) return std::nullopt;
    return a;
  }
  return std::nullopt;
}

std::optional<std::string> ScriptedServices::TakeFile(DialogAnswer::Kind kind, int* type) {
  auto a = Take(kind);
  if (!a) return std::nullopt;
  if (type) *type = a->fileType;
  // An accepted file dialog makes the file's folder the current folder. A
  // relative answer names a file of the folder current when the dialog
  // opened: when the current folder moves, the answer comes back whole.
  std::error_code ec;
  const auto path = std::filesystem::absolute(a->path, ec);
  const std::string before = CurrentFolder();
  if (!path.parent_path().empty()) SetCurrentFolder(path.parent_path().string());
  return CurrentFolder() == before ? a->path : path.string();
}

void ScriptedServices::Shown(const FileDialogRequest& r) {
  std::string shown = std::to_string(r.flags) + " ";
  shown.append(r.filter, 0, r.filter.find('|'));
  if (r.chosenType) shown.append(" ").append(std::to_string(*r.chosenType));
  dialogs_.push_back(std::move(shown));
}

std::optional<std::string> ScriptedServices::ShowOpen(const FileDialogRequest& request) {
  Shown(request);
  return TakeFile(DialogAnswer::Kind::Open);
}

std::optional<std::string> ScriptedServices::ShowSave(const FileDialogRequest& request) {
  Shown(request);
  return TakeFile(DialogAnswer::Kind::Save, request.chosenType);
}

std::optional<uint32_t> ScriptedServices::ShowColor(uint32_t) {
  auto a = Take(DialogAnswer::Kind::Color);
  if (!a) return std::nullopt;
  return a->color;
}

std::optional<PrintChoice> ScriptedServices::ShowPrinter() {
  auto a = Take(DialogAnswer::Kind::Print);
  if (!a) return std::nullopt;
  return a->print;
}

std::optional<PlotPageChoice> ScriptedServices::ShowPlotPage(const PlotPageChoice& start) {
  const bool waiting = std::any_of(answers_.begin(), answers_.end(), [](const DialogAnswer& a) {
    return a.kind == DialogAnswer::Kind::PlotPage || a.kind == DialogAnswer::Kind::Cancel;
  });
  if (!waiting) return start;
  auto a = Take(DialogAnswer::Kind::PlotPage);
  if (!a) return std::nullopt;
  return a->plotPage;
}

bool ScriptedServices::BeginPrint(const PrintChoice& choice) {
  if (printerFault_ == PrinterFault::CannotStart) return false;
  document_ = choice;
  documentStart_ = printed_.size();
  return true;
}

void ScriptedServices::PrintPicture(const base::Image& image, double left, double top, double width,
                                    double height) {
  if (!document_) return;
  printed_.push_back({*document_, image.width, image.height, left, top, width, height});
}

bool ScriptedServices::EndPrint() {
  document_.reset();
  if (printerFault_ != PrinterFault::PageLost) return true;
  printed_.resize(documentStart_);
  return false;
}

PageInches ScriptedServices::PrinterPage() {
  const double width = 210 / 25.4, height = 297 / 25.4;
  return {height, width, height - 0.5, width - 0.5, 0.25, 0.25};
}

void ScriptedServices::ShowMessage(const std::string& text) {
  messages_.push_back(text);
  std::cerr << "trochela: " << text << std::endl;
}

std::optional<base::Image> ScriptedServices::LoadPicture(const std::string& path,
                                                         std::string& reason) {
  return LoadPictureFile(path, reason);
}


}  // namespace forms
