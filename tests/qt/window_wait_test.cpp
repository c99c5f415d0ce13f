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
  testing::TempGame game;
  HeadlessPlatform platform;
  TForm1 f(platform);
  TForm3 t(f);
  f.interp = &t;
  FormCreate(f, game.folder(), game.name());
  GameLoader(f, game.name());
  MainWindow window(f, std::make_unique<RecordingWeb>());
  platform.Attach(&f, &window);
  window.show();
  QCoreApplication::processEvents();
  // A chain of tasks, each posting the next once it has run, as the web view's
  // engine loads a page: a wait that slept between passes ran one per pass.
  int ran = 0;
  std::function<void()> task = [&] {
    if (++ran < 200) QTimer::singleShot(0, &window, task);
  };
  QTimer::singleShot(0, &window, task);
  // Headless, the wait takes the platform's virtual time, and real time only
  // while a page loads; the Qt platform's own wait is the one the chain needs.
  const int64_t before = platform.Milliseconds();
  platform.WaitForMessages(Platform::PlayerInput::Held, 100);
  EXPECT_EQ(platform.Milliseconds() - before, 100);
  platform.QtPlatform::WaitForMessages(Platform::PlayerInput::Held, 200);
  EXPECT_EQ(ran, 200);

  PaintCount count;
  for (QWidget* w : window.findChildren<QWidget*>()) w->installEventFilter(&count);
  window.installEventFilter(&count);
  for (int i = 0; i < 20; ++i) {
    window.Sync();
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(count.paints, 0);
}

}  // namespace
}  // namespace lumora
