// The window while the engine waits: a wait handles the messages as they come
// (the web view's engine works in a chain of small tasks), and bringing the
// widgets in line with an unchanged model paints nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

#include "platform/headless_platform.h"
#include "qt/main_window.h"
#include "qt/web_view.h"
#include "script/interp.h"
#include "shell/lifecycle.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

struct ShownGame {
  ShownGame() : f(platform), t(f) {
    f.interp = &t;
    FormCreate(f, game.folder(), game.name());
    GameLoader(f, game.name());
    window = std::make_unique<MainWindow>(f, std::make_unique<RecordingWeb>());
    platform.Attach(&f, window.get());
    window->show();
    QCoreApplication::processEvents();
  }
  testing::TempGame game;
  HeadlessPlatform platform;
  TForm1 f;
  TForm3 t;
  std::unique_ptr<MainWindow> window;
};

// Counts the paints of every widget of a window.
class PaintCount : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST(WindowWait, AWaitHandlesEachMessageAsItComesAndASyncOfNothingNewPaintsNothing) {
  ShownGame g;
  // A chain of tasks, each posting the next once it has run, as the web view's
  // engine loads a page: a wait that slept between passes ran one per pass.
  int ran = 0;
  std::function<void()> task = [&] {
    if (++ran < 200) QTimer::singleShot(0, g.window.get(), task);
  };
  QTimer::singleShot(0, g.window.get(), task);
  // Headless, the wait takes the platform's virtual time, and real time only
  // while a page loads; the Qt platform's own wait is the one the chain needs.
  const int64_t before = g.platform.Milliseconds();
  g.platform.WaitForMessages(Platform::PlayerInput::Held, 100);
  EXPECT_EQ(g.platform.Milliseconds() - before, 100);
  g.platform.QtPlatform::WaitForMessages(Platform::PlayerInput::Held, 200);
  EXPECT_EQ(ran, 200);

  PaintCount count;
  for (QWidget* w : g.window->findChildren<QWidget*>()) w->installEventFilter(&count);
  g.window->installEventFilter(&count);
  for (int i = 0; i < 20; ++i) {
    g.window->Sync();
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(count.paints, 0);
}

}  // namespace
}  // namespace lumora
