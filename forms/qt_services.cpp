// The desktop machine: the real clock, the screen, Qt's dialogs and image codecs.
#include <QBuffer>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSpinBox>
#include <QTime>

#include <new>
#include <string>
#include <string_view>

#include "base/file_io.h"
#include "base/plot_order.h"
#include "base/plot_page.h"
#include "forms/picture_export.h"
#include "forms/qt_views.h"
#include "forms/scripted_services.h"

namespace forms {
namespace {

using base::kMaxPictureSide;
// The largest picture file read: a bitmap of the largest canvas fits.
constexpr size_t kMaxPictureFileBytes = size_t{1} << 30;

// "Bitmap Files (*.bmp)|*.bmp|PNG Files (*.png)|*.png" -> "Bitmap Files (*.bmp);;PNG Files
// (*.png)" as Qt wants it.
QString QtFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList out;
  // A description that already shows its pattern ("Bitmap Files (*.bmp)") is
  // taken as it stands.
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString pattern = "(" + parts[i + 1] + ")";
    out << (parts[i].endsWith(pattern) ? parts[i] : parts[i] + " " + pattern);
  }
  return out.join(";;");
}

class DesktopServices : public Services {
 public:
  double Timer() override { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }
  bool RealTimeClock() override { return true; }
  int ScreenWidth() override { return DevicePixels(Screen()->geometry().width()); }
  int ScreenHeight() override { return DevicePixels(Screen()->geometry().height()); }
  int ColorDepth() override { return Screen()->depth(); }
  double PixelRatio() override { return Screen()->devicePixelRatio(); }
  double PixelsPerInch() override { return Screen()->logicalDotsPerInchX() * PixelRatio(); }
  std::string CurrentFolder() override { return QDir::currentPath().toStdString(); }
  void SetCurrentFolder(const std::string& folder) override {
    QDir::setCurrent(QString::fromStdString(folder));
  }

  std::optional<std::string> ShowOpen(const FileDialogRequest& r) override {
    return Accepted(QFileDialog::getOpenFileName(nullptr, QString::fromStdString(r.title),
                                                 QString::fromStdString(r.initDir),
                                                 QtFilter(r.filter)));
  }
  std::optional<std::string> ShowSave(const FileDialogRequest& r) override {
    // Qt's save dialog asks before overwriting unless told not to.
    const auto options = (r.flags & kAskBeforeOverwrite) ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    const QString filters = QtFilter(r.filter);
    QString chosen = r.chosenType ? filters.split(";;").value(*r.chosenType - 1) : QString();
    auto path = Accepted(QFileDialog::getSaveFileName(nullptr, QString::fromStdString(r.title),
                                                      QString::fromStdString(r.initDir), filters,
                                                      &chosen, options));
    if (r.chosenType) *r.chosenType = static_cast<int>(filters.split(";;").indexOf(chosen)) + 1;
    return path;
  }
  std::optional<uint32_t> ShowColor(uint32_t start) override {
    const QColor c = QColorDialog::getColor(QColor::fromRgb(base::ToPixel(start)));
    if (!c.isValid()) return std::nullopt;
    return base::FromPixel(c.rgb());
  }
  std::optional<PrintChoice> ShowPrinter() override {
    QPrintDialog dialog(&printer_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return PrintChoice{printer_.copyCount(),
                       printer_.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1};
  }

  std::optional<PlotPageChoice> ShowPlotPage(const PlotPageChoice& start) override {
    QDialog dialog;
    dialog.setWindowTitle("Plot Page");
    auto* form = new QFormLayout(&dialog);
    auto* page = new QComboBox(&dialog);
    page->setEditable(true);
    page->addItems({"A5", "A4", "A3", "A2", "A1", "letter", "legal", "tabloid"});
    page->setCurrentText(QString::fromStdString(start.page));
    page->setToolTip("A page by name, or its size as WxHmm (300x200mm)");
    auto* orientation = new QComboBox(&dialog);
    orientation->addItems({"Portrait", "Landscape"});
    orientation->setCurrentIndex(start.landscape ? 1 : 0);
    auto* margin = new QDoubleSpinBox(&dialog);
    margin->setRange(0, base::kMostMargin);
    margin->setSuffix(" mm");
    margin->setValue(start.margin);
    auto* pens = new QSpinBox(&dialog);
    pens->setRange(0, base::kMostPens);
    pens->setSpecialValueText("One a colour");
    pens->setValue(start.pens);
    form->addRow("&Page", page);
    form->addRow("&Orientation", orientation);
    form->addRow("&Margin", margin);
    form->addRow("P&ens", pens);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return PlotPageChoice{page->currentText().trimmed().toStdString(),
                          orientation->currentIndex() == 1, margin->value(), pens->value()};
  }

  void SetClipboardPicture(const base::Image& image) override {
    QGuiApplication::clipboard()->setImage(View(image).copy());
  }
  std::optional<base::Image> ClipboardPicture() override {
    const QImage img = QGuiApplication::clipboard()->image();
    if (img.isNull()) return std::nullopt;
    return FromQImage(img);
  }
  void ClearClipboard() override { QGuiApplication::clipboard()->clear(); }

  bool BeginPrint(const PrintChoice& choice) override {
    printer_.setCopyCount(choice.copies);
    printer_.setPageOrientation(choice.orientation == 2 ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait);
    painter_ = std::make_unique<QPainter>();
    if (painter_->begin(&printer_)) return true;
    painter_.reset();
    return false;
  }
  void PrintPicture(const base::Image& image, double left, double top, double width,
                    double height) override {
    if (!painter_) return;
    const double dpi = printer_.resolution();
    painter_->drawImage(QRectF(left * dpi, top * dpi, width * dpi, height * dpi), View(image));
  }
  bool EndPrint() override {
    const bool sent = painter_ && painter_->end();
    painter_.reset();
    return sent;
  }
  PageInches PrinterPage() override {
    QPageLayout layout = printer_.pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    const QRectF paper = layout.fullRect(QPageLayout::Inch);
    const QRectF printed = layout.paintRect(QPageLayout::Inch);
    return {paper.height(),  paper.width(), printed.height(),
            printed.width(), printed.top(), printed.left()};
  }
  void ShowMessage(const std::string& text) override {
    QMessageBox::warning(nullptr, QStringLiteral("Trochela!"), QString::fromStdString(text));
  }
  using Services::LoadPicture;
  std::optional<base::Image> LoadPicture(const std::string& path, std::string& reason) override {
    return LoadPictureFile(path, reason);
  }

 private:
  static QScreen* Screen() { return QGuiApplication::primaryScreen(); }
  int DevicePixels(int logical) { return static_cast<int>(std::lround(logical * PixelRatio())); }
  QPrinter printer_;
  std::unique_ptr<QPainter> painter_;
  std::optional<std::string> Accepted(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    SetCurrentFolder(QFileInfo(path).absolutePath().toStdString());
    return path.toStdString();
  }
};

}  // namespace

std::unique_ptr<Services> MakeDesktopServices() { return std::make_unique<DesktopServices>(); }

char DesktopDecimalSeparator() {
  return QLocale::system().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

std::optional<base::Image> LoadPictureFile(const std::string& path, std::string& reason) {
  // Read whole first: a FIFO or a device never reaches the decoders.
  std::string text;
  if (!base::ReadWholeFile(path, kMaxPictureFileBytes, text, reason)) return std::nullopt;
  const QByteArray bytes = QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size()));
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setAutoTransform(false);
  const QByteArray kind = reader.format();
  if (kind.isEmpty()) {
    reason = "it is not a picture file";
    return std::nullopt;
  }
  if (kind != "bmp" && kind != "png" && kind != "jpeg" && kind != "gif") {
    // The kind is spoken letter by letter: "an SVG", "a PGM".
    const std::string name = kind.toUpper().toStdString();
    const bool vowel = std::string_view("AEFHILMNORSX").find(name[0]) != std::string_view::npos;
    reason = std::string("it is ") + (vowel ? "an " : "a ") + name +
             " picture; pictures load from BMP, PNG, JPEG and GIF files";
    return std::nullopt;
  }
  const QSize size = reader.size();
  if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) {
    reason = "it is too large (" + std::to_string(size.width()) + "x" +
             std::to_string(size.height()) + " pixels; at most " +
             std::to_string(kMaxPictureSide) + " a side)";
    return std::nullopt;
  }
  // Qt's own limit (128 MiB) would refuse a picture of the largest canvas.
  reader.setAllocationLimit(kMaxPictureSide / 1024 * kMaxPictureSide / 1024 * 4 + 1);
  QImage img;
  try {
    if (!reader.read(&img)) {
      reason = "it is not a picture file";
      return std::nullopt;
    }
    return FromQImage(img);
  } catch (const std::bad_alloc&) {
    reason = "it is too large for the memory";
    return std::nullopt;
  }
}

bool SavePictureFile(const base::Image& image, const std::string& path) {
  std::string reason;
  return SaveRaster(image, path, reason);
}

}  // namespace forms
