// Live reload: an author's edit to a script shows in the running game once no
// script runs; files the game writes itself never start a reload.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <algorithm>
#include <QEventLoop>
#include <QTimer>
#include <memory>

#include "platform/headless_platform.h"
#include "qt/game_watch.h"
#include "qt/main_window.h"
#include "qt/web_view.h"
#include "script/interp.h"
#include "shell/lifecycle.h"
#include "shell/live_reload.h"
#include "core/trace.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

// Real time passes with the window's events handled, as the file system's
// news of a change arrives in it.
void Pass(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

TEST(LiveReload, TheAuthorsFilesReloadTheGamesOwnDoNot) {
  testing::TempGame game;
  HeadlessPlatform platform;
  TForm1 f(platform);
  f.vocabulary = "palavras.txt";
  f.map.savedNames.insert("mapa.bmp");
  const struct {
    const char* name;
    bool reloads;
  } cases[] = {{"sala.scp", true},      {"fotos/sala.PNG", true}, {"porta.jpg", true}, {"palavras.txt", true},
               {"mapa.bmp", false},     {"aventura.rgs", false},  {"aventura.ini", false},
               {"tmp.htm", false},      {"notas.txt", false}};
  for (const auto& c : cases) EXPECT_EQ(ReloadsOnChange(f, c.name), c.reloads) << c.name;
}

TEST(LiveReload, AnEditedScriptRunsAgainInTheRunningGame) {
  testing::TempGame game;
  game.WriteScript("start", {"/ o jogo", "setpos= sala", "script sala"});
  game.WriteScript("sala", {"/ a sala", "reg= 1,antes"});
  HeadlessPlatform platform;
  TForm1 f(platform);
  TForm3 t(f);
  f.interp = &t;
  FormCreate(f, game.folder(), game.name());
  MainWindow window(f, std::make_unique<RecordingWeb>());
  platform.Attach(&f, &window);
  GameWatch watch(window, f);
  std::vector<std::string> trace;
  const int listener = AddTraceListener([&](std::string_view line) { trace.emplace_back(line); });
  // An edit on the opening screen is read when the game starts.
  game.WriteScript("sala", {"/ a sala", "reg= 1,aberta"});
  Pass(400);
  window.Enter([&] { TelAberClick(f); });
  ASSERT_EQ(f.state.registers.at(1), "aberta");
  // Saved by the author while playing: the place's script runs again.
  game.WriteScript("sala", {"/ a sala", "reg= 1,depois"});
  QElapsedTimer waited;
  waited.start();
  while (f.state.registers.at(1) != "depois" && waited.elapsed() < 10000) Pass(20);
  EXPECT_EQ(f.state.registers.at(1), "depois");
  // A script gone mid-edit is told (traced, and over the window), and the game goes on.
  auto told = [&] {
    return std::any_of(trace.begin(), trace.end(), [](const std::string& line) {
      return line.starts_with("Recarregado com erro: ") && line.find("sala.scp") != std::string::npos;
    });
  };
  game.Remove("sala.scp");
  waited.restart();
  while (!told() && waited.elapsed() < 10000) Pass(20);
  EXPECT_TRUE(told());
  EXPECT_EQ(f.state.registers.at(1), "depois");
  game.WriteScript("sala", {"/ a sala", "reg= 1,de volta"});
  waited.restart();
  while (f.state.registers.at(1) != "de volta" && waited.elapsed() < 10000) Pass(20);
  EXPECT_EQ(f.state.registers.at(1), "de volta");
  RemoveTraceListener(listener);
}

}  // namespace
}  // namespace lumora
