// The pointer over clickable areas, through the real widgets on the offscreen
// platform: a movement that changes nothing, one that changes the cursor, the
// hit test alone, and a click on a panel area to the end of the run it starts
// (a place with its picture, arrows, a map window and a message); the whole
// window painted again at each zoom.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include "bench_support.h"
#include "input/mouse.h"
#include "qt/main_window.h"
#include "qt/web_view.h"
#include "script/run_script.h"
#include "view/typing.h"

namespace {

using namespace lumora;

// Every one of the 100 records active: 20 on the screen, the panel and the
// skin, 40 on the model-3 page. On the panel, area 20 covers (0, 0) to (100, 100)
// with the hand, area 21 (110, 0) to (210, 100) with the cross; the others lie
// below them, so a hit test visits every record of the group.
void FillAreas(TForm1& f) {
  for (int i = 0; i < 100; ++i) {
    LinkRecord& r = f.links.records[static_cast<size_t>(i)];
    r = LinkRecord{};
    r.active = true;
    r.left = (i % 5) * 40;
    r.top = 120 + (i % 4) * 30;
    r.width = r.height = 20;
    r.cursor = static_cast<uint8_t>(i % 12);
    r.script = "sala";
  }
  f.links.records[20] = {true, 0, 0, 100, 100, 2, "", "sala", "", ""};
  f.links.records[21] = {true, 110, 0, 100, 100, 11, "", "sala", "", ""};
}

struct Window {
  Window() {
    game.SetConfig(53, "*");
    StringList place = {"cleardir", "norte= sala", "leste= sala", "telpos= sala.png", "loadmap= mapa.png,",
                        "defpicmap= fnc,15,125,180,90", "picmap= 100,100"};
    for (const char* arrow : {"norte", "leste"}) place.push_back(std::string("ifdir= ") + arrow + ",seta.png,85,10");
    place.push_back("lnktel= porta.png,sala,268,125,0,0,2,porta.png");
    place.push_back("msg= Um jardim maltratado. H\xE1 um port\xE3o ao norte.");
    game.WriteScript("sala", place);
    game.WriteScript("salao", bench::LongPlaceScript(place, 2000));
    QImage(596, 245, QImage::Format_RGB32).save(QString::fromStdString(game.folder() + "sala.png"));
    QImage(800, 500, QImage::Format_RGB32).save(QString::fromStdString(game.folder() + "mapa.png"));
    QImage(40, 30, QImage::Format_RGB32).save(QString::fromStdString(game.folder() + "seta.png"));
    QImage(60, 100, QImage::Format_RGB32).save(QString::fromStdString(game.folder() + "porta.png"));
    loaded = std::make_unique<bench::LoadedGame>(game);
    window = std::make_unique<MainWindow>(loaded->f, std::make_unique<RecordingWeb>());
    window->show();
    QCoreApplication::processEvents();
    FillAreas(loaded->f);
  }
  void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QWidget* panel = window->SurfaceWidget(lumora::SurfaceId::TelCmd);
    QMouseEvent e(type, QPointF(at), panel->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(panel, &e);
  }
  testing::TempGame game;
  std::unique_ptr<bench::LoadedGame> loaded;
  std::unique_ptr<MainWindow> window;
};

Window& Shared() {
  static Window w;
  return w;
}

void BM_HitTestOnly(benchmark::State& state) {
  Window& w = Shared();
  FillAreas(w.loaded->f);
  int x = 10;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SurfaceMouseMove(w.loaded->f, MouseSurface::TelCmd, x, 10));
    x = x == 10 ? 11 : 10;
  }
}
BENCHMARK(BM_HitTestOnly);

// The pointer moving to and fro between x = 10 and `otherX` over the panel.
void MoveBetween(benchmark::State& state, int otherX) {
  Window& w = Shared();
  FillAreas(w.loaded->f);
  int x = 10;
  for (auto _ : state) {
    w.Send(QEvent::MouseMove, QPoint(x, 10), Qt::NoButton, Qt::NoButton);
    x = x == 10 ? otherX : 10;
  }
}

// The commonest event: the pointer moves within one area.
void BM_MoveChangingNothing(benchmark::State& state) { MoveBetween(state, 11); }
BENCHMARK(BM_MoveChangingNothing);

// From one area to the other: the hovered area and the cursor change.
void BM_MoveChangingTheCursor(benchmark::State& state) { MoveBetween(state, 150); }
BENCHMARK(BM_MoveChangingTheCursor);

// Press and release on a panel area whose script is `place`: the script runs to
// its end and the window is brought in line.
void ClickRunning(benchmark::State& state, const char* place) {
  Window& w = Shared();
  for (auto _ : state) {
    state.PauseTiming();
    FillAreas(w.loaded->f);
    w.loaded->f.links.records[20].script = place;
    w.Send(QEvent::MouseMove, QPoint(10, 10), Qt::NoButton, Qt::NoButton);
    state.ResumeTiming();
    w.Send(QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
    w.Send(QEvent::MouseButtonRelease, QPoint(10, 10), Qt::LeftButton, Qt::NoButton);
  }
  if (w.loaded->f.Script != place) state.SkipWithError("the click ran another script");
}

// A place with its picture, arrows, a map window and a message; the same with
// 2,000 lines.
void BM_ClickToTheEndOfTheRun(benchmark::State& state) { ClickRunning(state, "sala"); }
BENCHMARK(BM_ClickToTheEndOfTheRun)->Unit(benchmark::kMillisecond);
void BM_ClickToALongPlace(benchmark::State& state) { ClickRunning(state, "salao"); }
BENCHMARK(BM_ClickToALongPlace)->Unit(benchmark::kMillisecond);

// The whole window painted again (into a picture, as a screenshot takes it) at
// zoom 1, 2 and 3 with the place "sala" shown,
// and the picture screen alone as a rain tick paints it.
void Repainting(benchmark::State& state, bool screenOnly) {
  Window& w = Shared();
  RunScript(w.loaded->f, "sala");
  w.window->SetZoom(static_cast<int>(state.range(0)));
  w.window->Sync();
  QCoreApplication::processEvents();
  for (auto _ : state) {
    if (screenOnly) w.window->RepaintNow(Component::Tela);
    else benchmark::DoNotOptimize(w.window->grab());
  }
  w.window->SetZoom(1);
}
void BM_FullFrameAtZoom(benchmark::State& state) { Repainting(state, false); }
BENCHMARK(BM_FullFrameAtZoom)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
void BM_ScreenAtZoom(benchmark::State& state) { Repainting(state, true); }
BENCHMARK(BM_ScreenAtZoom)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

// What was slow before: a megabyte without a blank shown in the message line,
// and 25,000 letters typed one by one into the model-0 memo (virtual clock;
// the window paints at most once a frame).
void BM_MegabyteWordInTheMessageLine(benchmark::State& state) {
  Window& w = Shared();
  TForm1& f = w.loaded->f;
  RunScript(f, "sala");
  const std::string word(1 << 20, 'b');
  for (auto _ : state) {
    f.Msg.text = word;
    w.window->RepaintNow(Component::Msg);
    state.PauseTiming();
    f.Msg.text.clear();
    w.window->RepaintNow(Component::Msg);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MegabyteWordInTheMessageLine)->Unit(benchmark::kMillisecond);

void BM_TypingLetterByLetter(benchmark::State& state) {
  Window& w = Shared();
  TForm1& f = w.loaded->f;
  w.game.WriteScript("modelo0", {"setmode= 0"});
  RunScript(f, "modelo0");
  w.loaded->platform.onRepaint = [&w](Component c) { w.window->RepaintNow(c); };
  const std::string text(static_cast<size_t>(state.range(0)), 'a');
  for (auto _ : state) {
    TypeText(f, text);
    w.window->Sync();  // the rest shown, as the end of the run does
    state.PauseTiming();
    RunScript(f, "modelo0");  // the memo cleared
    state.ResumeTiming();
  }
  w.loaded->platform.onRepaint = nullptr;
  RunScript(f, "sala");
}
BENCHMARK(BM_TypingLetterByLetter)->Arg(25000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
