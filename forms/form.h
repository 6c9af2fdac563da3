#pragma once
// A top-level window and the runtime around it: the controls registered by
// name, the keyboard focus as the program sees it (moves between its own
// controls only), the yield to the event queue, and the count of handlers
// running.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/controls.h"
#include "forms/services.h"

class QWidget;

namespace forms {

class Form {
 public:
  Form(std::string name, forms::Services& services);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }
  forms::Services& Services() const { return services_; }
  // Device pixels to a logical pixel of the window's layout.
  double PixelRatio() const { return services_.PixelRatio(); }
  QWidget* Widget() const { return window_.get(); }

  void SetCaption(const std::string& caption);
  // Client size in logical pixels.
  void SetPixelSize(int width, int height);
  int PixelWidth() const;
  int PixelHeight() const;
  // Shows the window on the screen, filling it or in its middle. When there is
  // no memory for the image the toolkit paints a shown window into (as large
  // as the window in device pixels), it is shown unseen instead, told, and
  // false is returned.
  bool Show(bool fullScreen);
  // Shows the window to the program only: it is visible and takes the focus,
  // but is never put on a screen, so no screen memory as large as the window
  // is made for it.
  void ShowUnseen();
  // False once the window is shown unseen.
  bool OnScreen() const { return onScreen_; }
  // Writes the screen as the window that covers it shows it now (controls
  // included) to an image file, in the screen's device pixels.
  bool SaveScreenshot(const std::string& path);

  // Controls register themselves when made and leave when destroyed.
  void Register(Control* c);
  void Unregister(Control* c);
  Control* Find(std::string_view name) const;
  const std::vector<Control*>& Controls() const { return controls_; }

  // The control that has the focus as the program sees it (null before the
  // first focus move).
  Control* Focused() const { return focused_; }
  // Raises LostFocus of the focused control and GotFocus of `to`, in that
  // order, when the focus really moves to another control.
  void MoveFocus(Control* to);
  // The order in which Tab visits the controls (Shift+Tab the reverse).
  void SetTabOrder(const std::vector<Control*>& order);
  // Runs `handler` for a key chord ("Ctrl+Z", "F9") pressed anywhere in the
  // window, unless the focused control uses the chord itself (a text field
  // its Ctrl+Z).
  void AddShortcut(const std::string& keys, std::function<void()> handler);

  // Runs a notification as a handler: counted while it runs.
  void Raise(const std::function<void()>& handler);
  int HandlersRunning() const { return running_; }

  // The yield: runs the pending window events (the canvases show what was
  // drawn at most about 60 times a second), then returns.
  // This may re-enter any handler of the window, a nested drawing included.
  void DoEvents();

  // The yield of a pause that lasts at most `seconds` more: runs the pending
  // window events; on a real clock it first sleeps until an event arrives or
  // the time is up, so that waiting costs no processor time. Any handler of
  // the window may run inside.
  void WaitEvents(double seconds);

  // Returns once `seconds` have elapsed on the services' clock, yielding
  // between readings (WaitEvents). The splash and the slideshow pause here.
  // This may re-enter any handler of the window, a nested drawing included.
  void Pause(double seconds);

  // Ends the program at once, whatever is running (also from inside a yield):
  // no window is unloaded and nothing is saved. OnEnd may change the exit code.
  [[noreturn]] void EndProgram(int code);
  std::function<void(int&)> OnEnd;

  // A local file dropped on the window, handed over once the drop is done.
  // Without it nothing can be dropped.
  std::function<void(const std::string& path)> OnDropFile;

  // Runs `change` (which takes the Qt focus away from a control) with the Qt
  // focus parked on the window, unseen by the program.
  void ParkQtFocus(const std::function<void()>& change);

  // Asks for a control's RefreshView at the next screen refresh.
  void QueueRefresh(Control* c);
  // Runs after each screen refresh (at most about 60 times a second).
  std::function<void()> OnRefresh;

  // Queues a call behind the window events already waiting (automation
  // delivers its user actions this way).
  void Post(std::function<void()> call);

 private:
  void OnQtFocusChanged(QWidget* now);

  std::string name_;
  forms::Services& services_;
  std::unique_ptr<QWidget> window_;
  void RefreshViews();
  void ReturnQtFocus();

  std::vector<Control*> controls_;
  std::vector<Control*> refreshQueue_;
  double lastRefreshCost_ = 0;  // seconds
  double lastSystemPoll_ = -1;  // when DoEvents last asked the system, seconds
  Control* focused_ = nullptr;
  bool movingFocus_ = false;
  bool onScreen_ = true;
  int running_ = 0;
  struct Hooks;
  std::unique_ptr<Hooks> hooks_;
};

// Monotonic seconds, for screen refresh pacing only.
double SteadySeconds();

}  // namespace forms
