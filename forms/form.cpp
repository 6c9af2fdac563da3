#include "forms/form.h"

#include <QApplication>
#include <QDropEvent>
#include <QFocusFrame>
#include <QGuiApplication>
#include <QImage>
#include <QKeySequence>
#include <QMetaObject>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSemaphore>
#include <QShortcut>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <sys/mman.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <new>
#include <unordered_map>

#include "forms/picture_export.h"
#include "forms/qt_views.h"
#include "base/clock.h"

namespace forms {

constexpr int kRefreshMilliseconds = 16;
constexpr double kSystemPollSeconds = 0.0005;

namespace {

// Closing the window ends the program at once, as Exit does, also from inside
// a drawing's yield.
class CloseFilter : public QObject {
 public:
  explicit CloseFilter(Form& form) : form_(form) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Close) form_.EndProgram(0);
    return false;
  }

 private:
  Form& form_;
};

// A local file dragged anywhere over the window, a text field included, is
// taken when the program has a use for it; the drop is handled after Qt has
// finished the drag, so that a message about the file does not hold up the
// program it came from.
class DropFilter : public QObject {
 public:
  explicit DropFilter(Form& form) : form_(form) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
      return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != form_.Widget()) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const std::string path = FirstLocalFile(drop->mimeData());
    if (path.empty() || !form_.OnDropFile) {
      drop->ignore();
      return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
      form_.Post([this, path] { form_.Raise([this, &path] { form_.OnDropFile(path); }); });
    return true;
  }

 private:
  static std::string FirstLocalFile(const QMimeData* data) {
    if (!data) return {};
    for (const QUrl& url : data->urls())
      if (url.isLocalFile()) return url.toLocalFile().toStdString();
    return {};
  }
  Form& form_;
};

// The focused control's mark: a frame in the highlight colour around the
// control, which Qt keeps beside it and which lets the mouse through. The
// canvas draws its own (CanvasView).
class FocusMark : public QFocusFrame {
 public:
  explicit FocusMark(QWidget* window) : QFocusFrame(window), window_(window) {
    setObjectName("FocusMark");
  }
  void Follow(QWidget* now) {
    const bool marked = now && now != window_ && now->window() == window_ &&
                        !dynamic_cast<CanvasView*>(now);
    setWidget(marked ? now : nullptr);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 2));
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }

 private:
  QWidget* window_;
};

// What painting takes beside the window's image.
constexpr size_t kPaintingMemory = size_t{64} << 20;
constexpr int kThreadStartMilliseconds = 2000;

// Whether `bytes` more memory can be had now. The toolkit paints a shown
// window into an image as large as the window, and when that image cannot be
// made it paints into nothing and crashes: it is asked for beforehand.
bool MemoryAvailable(size_t bytes) {
  void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) return false;
  ::munmap(p, bytes);
  return true;
}

// The toolkit fills a large area in the threads of its global pool, and waits
// for ever on a fill whose thread could not start for want of memory. So the
// pool's threads are started once, while there is memory, and kept.
void KeepPaintingThreads() {
  QThreadPool* pool = QThreadPool::globalInstance();
  pool->setExpiryTimeout(-1);
  const int threads = pool->maxThreadCount();
  // Each task holds its thread until all have started, so that each starts one.
  auto started = std::make_shared<QSemaphore>();
  auto go = std::make_shared<QSemaphore>();
  for (int k = 0; k < threads; ++k)
    pool->start([started, go] {
      started->release();
      go->acquire();
    });
  // Threads start at once; a bounded wait only where one could not.
  started->tryAcquire(threads, kThreadStartMilliseconds);
  go->release(threads);
}

}  // namespace

struct Form::Hooks {
  explicit Hooks(Form& form) : closeFilter(form), dropFilter(form) {}
  std::unordered_map<const QWidget*, Control*> byWidget;
  CloseFilter closeFilter;
  DropFilter dropFilter;
  QMetaObject::Connection focusConnection;
};

Form::Form(std::string name, forms::Services& services)
    : name_(std::move(name)),
      services_(services),
      window_(std::make_unique<QWidget>()),
      hooks_(std::make_unique<Hooks>(*this)) {
  static const bool kept = (KeepPaintingThreads(), true);
  (void)kept;
  window_->setObjectName(QString::fromStdString(name_));
  window_->installEventFilter(&hooks_->closeFilter);
  qApp->installEventFilter(&hooks_->dropFilter);
  window_->setAcceptDrops(true);
  // The program sees the focus move only between its own controls: a dialog
  // opening or another program taking over leaves the focused control as it is.
  hooks_->focusConnection =
      QObject::connect(qApp, &QApplication::focusChanged, window_.get(),
                       [this](QWidget*, QWidget* now) { OnQtFocusChanged(now); });
  auto* mark = new FocusMark(window_.get());  // the window owns it
  QObject::connect(qApp, &QApplication::focusChanged, mark,
                   [mark](QWidget*, QWidget* now) { mark->Follow(now); });
}

Form::~Form() {
  QObject::disconnect(hooks_->focusConnection);
  window_->removeEventFilter(&hooks_->closeFilter);
  qApp->removeEventFilter(&hooks_->dropFilter);
}

void Form::SetCaption(const std::string& caption) {
  window_->setWindowTitle(QString::fromStdString(caption));
}

void Form::SetPixelSize(int width, int height) { window_->resize(width, height); }
int Form::PixelWidth() const { return window_->width(); }
int Form::PixelHeight() const { return window_->height(); }

bool Form::Show(bool fullScreen) {
  QScreen* screen = QGuiApplication::primaryScreen();
  const QSize size = fullScreen && screen ? screen->geometry().size() : window_->size();
  const double ratio = window_->devicePixelRatioF();
  const size_t pixels = static_cast<size_t>(std::ceil(size.width() * ratio)) *
                        static_cast<size_t>(std::ceil(size.height() * ratio));
  if (!MemoryAvailable(pixels * 4 + kPaintingMemory)) {
    ShowUnseen();
    services_.ShowMessage("There is not enough memory to show a window of " +
                          std::to_string(size.width()) + "x" + std::to_string(size.height()) +
                          " pixels: it is not shown.");
    return false;
  }
  if (fullScreen) {
    window_->showFullScreen();
  } else {
    if (screen) window_->move(screen->geometry().center() - window_->rect().center());
    window_->show();
  }
  window_->activateWindow();
  return true;
}

void Form::ShowUnseen() {
  onScreen_ = false;
  // Qt paints only what is shown: the window stays hidden to Qt, and the
  // program's own focus moves run as in a shown window.
  window_->setAttribute(Qt::WA_DontShowOnScreen);
}

bool Form::SaveScreenshot(const std::string& path) {
  // The window is drawn as it stands now, without a yield, in which a script's
  // next line would run first.
  RefreshViews();
  // The window's size is a whole number of logical pixels, which at a
  // fractional ratio is a device pixel or two more or less than the screen:
  // the window is drawn into the screen's own pixels, over its background
  // where it falls short.
  try {
    QImage shot(services_.ScreenWidth(), services_.ScreenHeight(), QImage::Format_RGB32);
    if (shot.isNull()) return false;  // no memory for it
    shot.setDevicePixelRatio(PixelRatio());
    shot.fill(window_->palette().color(QPalette::Window));
    window_->render(&shot);
    std::string reason;
    return SaveRaster(FromQImage(shot), path, reason);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

void Form::Register(Control* c) {
  controls_.push_back(c);
  if (c->Widget()) hooks_->byWidget[c->Widget()] = c;
}

void Form::Unregister(Control* c) {
  // Controls leave only when the window is torn down: from then on no focus
  // move may run a handler on what is left.
  QObject::disconnect(hooks_->focusConnection);
  std::erase(controls_, c);
  std::erase(refreshQueue_, c);
  if (c->Widget()) hooks_->byWidget.erase(c->Widget());
  if (focused_ == c) focused_ = nullptr;
}

void Form::SetTabOrder(const std::vector<Control*>& order) {
  for (size_t i = 1; i < order.size(); ++i)
    if (order[i - 1]->Widget() && order[i]->Widget())
      QWidget::setTabOrder(order[i - 1]->Widget(), order[i]->Widget());
}

void Form::AddShortcut(const std::string& keys, std::function<void()> handler) {
  auto* shortcut = new QShortcut(QKeySequence(QString::fromStdString(keys)), window_.get());
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, window_.get(),
                   [this, handler = std::move(handler)] { Raise(handler); });
}

Control* Form::Find(std::string_view name) const {
  for (Control* c : controls_)
    if (c->Name() == name) return c;
  return nullptr;
}

void Form::MoveFocus(Control* to) {
  if (!to || to == focused_) return;
  Control* from = focused_;
  focused_ = to;
  if (to->Widget() && !to->Widget()->hasFocus()) {
    movingFocus_ = true;
    to->Widget()->setFocus(Qt::OtherFocusReason);
    movingFocus_ = false;
  }
  if (from) Raise(from->LostFocus);
  // The LostFocus handler may itself have moved the focus on.
  if (focused_ == to) Raise(to->GotFocus);
}

void Form::OnQtFocusChanged(QWidget* now) {
  if (movingFocus_ || !now) return;
  for (QWidget* w = now; w; w = w->parentWidget()) {
    auto it = hooks_->byWidget.find(w);
    if (it != hooks_->byWidget.end()) {
      // A control the program has disabled, whose screen has not caught up
      // yet, does not take the focus: it goes back where it was.
      if (!it->second->Enabled())
        ReturnQtFocus();
      else if (it->second != focused_)
        MoveFocus(it->second);
      return;
    }
    if (w == window_.get()) return;
  }
}

void Form::ReturnQtFocus() {
  QWidget* back = focused_ && focused_->Enabled() ? focused_->Widget() : nullptr;
  ParkQtFocus([back] {
    if (back) back->setFocus(Qt::OtherFocusReason);
  });
}

void Form::ParkQtFocus(const std::function<void()>& change) {
  movingFocus_ = true;
  window_->setFocus(Qt::OtherFocusReason);
  change();
  movingFocus_ = false;
}

void Form::QueueRefresh(Control* c) {
  // The screen is brought up to date at most about 60 times a second, so that
  // a drawing that changes a caption at every step never waits on painting.
  if (refreshQueue_.empty()) {
    // Painting may cost a good deal on a large screen: the next refresh waits
    // long enough that showing a drawing takes at most about a tenth of it.
    const int wait = std::max(kRefreshMilliseconds, static_cast<int>(lastRefreshCost_ * 10000));
    QTimer::singleShot(wait, window_.get(), [this] { RefreshViews(); });
  }
  refreshQueue_.push_back(c);
}

void Form::RefreshViews() {
  std::vector<Control*> queue;
  queue.swap(refreshQueue_);
  const double start = SteadySeconds();
  for (Control* c : queue) {
    c->RefreshDone();
    c->RefreshView();
  }
  // The painting itself happens when the window next handles its events.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
  lastRefreshCost_ = SteadySeconds() - start;
  if (OnRefresh) OnRefresh();
}

void Form::Raise(const std::function<void()>& handler) {
  if (!handler) return;
  ++running_;
  try {
    handler();
  } catch (const std::bad_alloc&) {
    // Memory that runs out ends the command, not the program.
    services_.ShowMessage("Out of memory: the command could not finish.");
  }
  --running_;
}

void Form::DoEvents() {
  // Qt's own queue (queued calls such as script lines, repaint requests) is
  // served at every yield. Asking the system for its input and the timers that
  // are due costs a system call of a few microseconds; a drawing yields every
  // 100 steps, thousands of times a second, so that is done at most every
  // half millisecond, still far quicker than a user can press STOP.
  // Either way the queue is served once: what the handlers queue now waits
  // for the next yield.
  const double now = SteadySeconds();
  if (now - lastSystemPoll_ < kSystemPollSeconds) {
    QCoreApplication::sendPostedEvents();
    return;
  }
  lastSystemPoll_ = now;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void Form::WaitEvents(double seconds) {
  if (!services_.RealTimeClock() || !(seconds > 0)) {
    DoEvents();
    return;
  }
  // The timer only wakes the event loop at the deadline; any other event
  // (a click, a paint, the screen refresh) wakes it sooner.
  QTimer wake;
  wake.setSingleShot(true);
  wake.setTimerType(Qt::PreciseTimer);  // a coarse timer may wake 5% late
  wake.start(static_cast<int>(std::min(std::ceil(seconds * 1000), 86400000.0)));
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void Form::Pause(double seconds) {
  const double start = services_.Timer();
  for (double elapsed = 0; elapsed < seconds;
       elapsed = base::ElapsedSeconds(start, services_.Timer()))
    WaitEvents(seconds - elapsed);
}

void Form::Post(std::function<void()> call) {
  QMetaObject::invokeMethod(window_.get(), std::move(call), Qt::QueuedConnection);
}

double SteadySeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void Form::EndProgram(int code) {
  if (OnEnd) OnEnd(code);
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  std::_Exit(code);
}

}  // namespace forms
