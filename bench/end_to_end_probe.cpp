#include "bench/end_to_end_probe.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/kor_talwind_app.h"
#include "bench/end_to_end_figures.h"
#include "platform/core/message_loop.h"
#include "platform/core/tick_count.h"
#include "scene/scene_store.h"

namespace {

using Clock = std::chrono::steady_clock;

// The render window's caption: how its widget is told from the others.
const QString kRenderCaption = QStringLiteral("Talwind");
// Long enough for the first one-second sample after the resize to close, so
// every sample seen while measuring is one of the target size. A shorter
// measured stretch (the suite's smoke pass, whose times nobody reads) warms
// up for no longer than it measures.
constexpr auto kWarmUp = std::chrono::milliseconds(2500);
constexpr auto kArrangeRetry = std::chrono::milliseconds(100);
constexpr int kArrangeTries = 50;
constexpr std::size_t kReservedPaints = 1 << 16;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

bool SameCamera(const Camera& a, const Camera& b) {
  return a.x == b.x && a.y == b.y && a.altitude == b.altitude;
}

double Percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t at = std::min(values.size() - 1, std::size_t(fraction * double(values.size())));
  return values[at];
}

class Probe : public QObject {
 public:
  Probe(int width, int height, double seconds) : width_(width), height_(height), seconds_(seconds) {
    paintMs_.reserve(kReservedPaints);  // no allocation inside the timed stretch
  }

  void Install() {
    QCoreApplication::instance()->installEventFilter(this);
    // Every step moves the camera, and the loop reads the clock between any
    // two steps, so a clock that looks at the camera sees every step.
    SetTickCountSource([this] {
      NoteStep();
      return SystemTickCount();
    });
    QTimer::singleShot(0, this, [this] { Arrange(kArrangeTries); });
  }

 protected:
  // Times the render window's paint by running its handler from here; the
  // event then counts as delivered.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint || !IsRenderWidget(watched)) return false;
    const auto start = Clock::now();
    watched->event(event);
    const auto end = Clock::now();
    NoteStep();
    if (stepped_ && firstFrame_ == Clock::time_point{}) firstFrame_ = end;
    if (measuring_) {
      ++paints_;
      paintMs_.push_back(Milliseconds(end - start));
      if (Scene().fpsWindowStart != sampleStart_) {  // this paint closed a sample
        sampleStart_ = Scene().fpsWindowStart;
        fpsSeen_.push_back(Scene().shownFps);
      }
    }
    return true;
  }

 private:
  static bool IsRenderWidget(QObject* object) {
    const auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && !widget->isWindow() && widget->windowTitle() == kRenderCaption;
  }

  static QWidget* RenderWidget() {
    for (QWidget* w : QApplication::allWidgets())
      if (IsRenderWidget(w) && w->isVisible()) return w;
    return nullptr;
  }

  void NoteStep() {
    const Camera& now = Scene().camera;
    if (SameCamera(now, lastCamera_)) return;
    lastCamera_ = now;
    stepped_ = true;
    if (measuring_) ++steps_;
  }

  // Grows the main window until the render window has the wanted size, then
  // warms up at that size.
  void Arrange(int triesLeft) {
    QWidget* render = RenderWidget();
    if (render != nullptr && render->width() == width_ && render->height() == height_) {
      QTimer::singleShot(std::min(kWarmUp, Stretch()), this, [this] { StartMeasuring(); });
      return;
    }
    if (triesLeft == 0) {
      Finish();
      return;
    }
    if (render != nullptr) {
      QWidget* window = render->window();
      window->resize(window->width() + width_ - render->width(), window->height() + height_ - render->height());
    }
    QTimer::singleShot(kArrangeRetry, this, [this, triesLeft] { Arrange(triesLeft - 1); });
  }

  std::chrono::milliseconds Stretch() const { return std::chrono::milliseconds(std::int64_t(seconds_ * 1000)); }

  void StartMeasuring() {
    measuring_ = true;
    sampleStart_ = Scene().fpsWindowStart;
    measureStart_ = Clock::now();
    QTimer::singleShot(Stretch(), this, [this] { Finish(); });
  }

  void Finish() {
    const auto end = Clock::now();
    measuring_ = false;
    EndToEndFigures f;
    if (QWidget* render = RenderWidget()) {
      f.clientWidth = render->width();
      f.clientHeight = render->height();
    }
    f.seconds = measureStart_ == Clock::time_point{} ? 0 : std::chrono::duration<double>(end - measureStart_).count();
    f.steps = steps_;
    f.paints = paints_;
    f.fpsLast = Scene().shownFps;
    if (!fpsSeen_.empty()) {
      f.fpsMin = *std::min_element(fpsSeen_.begin(), fpsSeen_.end());
      f.fpsMax = *std::max_element(fpsSeen_.begin(), fpsSeen_.end());
    }
    f.paintMedianMs = Percentile(paintMs_, 0.5);
    f.paintP99Ms = Percentile(paintMs_, 0.99);
    f.paintMaxMs = Percentile(paintMs_, 1.0);
    f.firstFrameNs = std::chrono::duration_cast<std::chrono::nanoseconds>(firstFrame_.time_since_epoch()).count();
    std::printf("%s\n", FormatFigures(f).c_str());
    std::fflush(stdout);
    PostQuitMessage(0);
  }

  int width_;
  int height_;
  double seconds_;
  Camera lastCamera_{};
  bool stepped_ = false;
  bool measuring_ = false;
  Clock::time_point firstFrame_{};
  Clock::time_point measureStart_{};
  int steps_ = 0;
  int paints_ = 0;
  std::uint32_t sampleStart_ = 0;
  std::vector<double> paintMs_;
  std::vector<int> fpsSeen_;
};

Probe* probe = nullptr;

// Runs inside the toolkit's start-up, before the application's InitInstance.
void InstallProbe() { probe->Install(); }

}  // namespace

int RunMeasuredApplication(int width, int height, double seconds) {
  CKorTalwindApp app;  // the program's own application object
  Scene().fpsWindowStart = GetTickCount();  // as the program's static start-up does
  Probe watcher(width, height, seconds);
  probe = &watcher;
  qAddPreRoutine(InstallProbe);
  char name[] = "kortalwind";
  char* argv[] = {name, nullptr};
  const int code = AfxWinMain(1, argv);
  SetTickCountSource({});
  return code;
}
