// Hostile games and broken files: each gives the behaviour's own answer or a
// clear error, never a crash or a hang, and the saved game stays whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <sys/resource.h>

#include "form/config.h"
#include "core/script_error.h"
#include "core/string_list.h"
#include "core/strings.h"
#include "form/config.h"
#include "input/typed_command.h"
#include "script/run_script.h"
#include "shell/entry.h"
#include "shell/lifecycle.h"
#include "state/state_files.h"
#include "support/temp_game.h"

namespace lumora {
namespace {

using testing::Session;
using testing::TempGame;

// The disk is full for whatever this process writes beyond a few bytes: the
// file-size limit, with its signal ignored, makes every larger write fail.
class FullDisk {
 public:
  FullDisk() {
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit small = old_;
    small.rlim_cur = 64;
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

std::string Joined(const std::vector<std::string>& texts) {
  std::string out;
  for (const auto& t : texts) out += t + "\n";
  return out;
}

TEST(BadInput, EachGivesItsOwnAnswerAndTheSavedGameStaysWhole) {
  struct Case {
    const char* what;
    std::function<void(TempGame&)> prepare;
    std::function<void(Session&)> play;  // after the game loader, inside one entry
    const char* error;                   // part of the message box's text; "" for none
    std::function<void(const TempGame&, const Session&, const std::string& savedRgs)> check;
  };
  auto unchanged = [](const TempGame& g, const Session&, const std::string& saved) {
    EXPECT_EQ(g.Read("aventura.rgs"), saved);
  };
  auto run = [](const char* script) { return [script](Session& s) { RunScript(s.f, script); }; };
  const Case cases[] = {
      {"register count 2147483647", [](TempGame& g) { g.SetConfig(kRegisterCount, "2147483647"); }, nullptr,
       "aventura.ini, line 6 (entry 5): a register count of 2147483647 is above the limit of 1000000", unchanged},
      {"register count not a number", [](TempGame& g) { g.SetConfig(kRegisterCount, "muitos"); }, nullptr,
       "aventura.ini, line 6 (entry 5): 'muitos' is not a valid integer value", unchanged},
      {"a negative register count", [](TempGame& g) { g.SetConfig(kRegisterCount, "-5"); }, nullptr,
       "aventura.ini, line 6 (entry 5): a register count of -5 is below zero", unchanged},
      {"a game area of 100000 by 100000 pixels",
       [](TempGame& g) {
         g.SetConfig(kGameWidth, "100000");
         g.SetConfig(kGameHeight, "100000");
         g.WriteScript("start", {"reg= 1,jogando"});
       },
       run("start"),
       "aventura.ini, line 12 (entry 11): a game area of 100000 by 100000 pixels is outside the limits (1 to "
       "65535 pixels a side, 67108864 in all); it is held to 65535 by 1024",
       [](const TempGame& g, const Session& s, const std::string&) {
         EXPECT_EQ(QSize(s.f.Abok0.width, s.f.Abok0.height), QSize(65535, 1024));
         EXPECT_EQ(g.StateLines(".rgs").at(1), "jogando");  // the game goes on
       }},
      {"a model-3 area of 20000 by 20000 pixels",
       [](TempGame& g) {
         g.SetConfig(kDisplayModel, "3");
         g.SetConfig(kModel3Width, "20000");
         g.SetConfig(kModel3Height, "20000");
         g.WriteScript("start", {"msg= Ola", "linefeed", "msg= mundo"});
       },
       run("start"), "",
       [](const TempGame&, const Session& s, const std::string&) {
         // The page and the copy shown take the size its bitmap was capped to.
         const QSize capped(19979, static_cast<int>(kMaxSurfacePixels / 19979));
         EXPECT_EQ(QSize(s.f.TelMod3.width, s.f.TelMod3.height), capped);
         EXPECT_EQ(s.f.Tela3.picture.size(), capped);
       }},
      {"a broken opening picture stops creation before the register count",
       [](TempGame& g) {
         g.SetConfig(kOpeningPicture, "quebrada.png");
         g.WriteLines("quebrada.png", {"\x89PNG nada"});
         g.WriteScript("start", {"reg= 1,x"});
       },
       run("start"), nullptr,
       [](const TempGame& g, const Session&, const std::string&) {
         EXPECT_EQ(g.StateLines(".rgs").size(), 11u);  // line 5's count, not a default
       }},
      {"a 50 MB script",
       [](TempGame& g) {
         StringList lines(700000, "/ " + std::string(70, 'c'));
         lines.push_back("reg= 1,fim");
         g.WriteScript("grande", lines);
       },
       run("grande"), "",
       [](const TempGame& g, const Session&, const std::string&) { EXPECT_EQ(g.StateLines(".rgs").at(1), "fim"); }},
      {"a binary file as a script",
       [](TempGame& g) {
         std::string bytes;
         for (int i = 0; i < 65536; ++i) bytes += static_cast<char>((i * 7919) % 256);
         g.WriteLines("binario.scp", {bytes});
       },
       run("binario"), nullptr,
       [](const TempGame& g, const Session&, const std::string&) { EXPECT_EQ(g.StateLines(".rgs").size(), 11u); }},
      {"a 1 MB line", [](TempGame& g) { g.WriteScript("linha", {"msg= " + std::string(1 << 20, 'b')}); }, run("linha"),
       "", [](const TempGame&, const Session& s, const std::string&) { EXPECT_EQ(s.f.Msg.text.size(), 1u << 20); }},
      {"a text block never closed", [](TempGame& g) { g.WriteScript("bloco", {"reg= 1,antes", "'sem fim", "reg= 1,depois"}); },
       run("bloco"), "",
       [](const TempGame& g, const Session&, const std::string&) { EXPECT_EQ(g.StateLines(".rgs").at(1), "antes"); }},
      {"NUL bytes in the state files",
       [](TempGame& g) {
         g.WriteRegisters({"", std::string("a\0b", 3)});
         g.WriteScript("nada", {"reg= 2,x"});
       },
       run("nada"), "",
       [](const TempGame& g, const Session&, const std::string&) {
         EXPECT_EQ(g.StateLines(".rgs").at(1), std::string("a\0b", 3));
       }},
      {"a missing .obj on reset objs",
       [](TempGame& g) {
         g.WriteLines("aventura.obz", {"lamp"});
         g.WriteLines("aventura.obx", {"lamp", "lampada", "", "sala", "", "", "", ""});
         g.WriteScript("limpa", {"reset objs"});
       },
       run("limpa"), "lamp.obj",
       [](const TempGame& g, const Session&, const std::string&) { EXPECT_EQ(g.StateLines(".obx").at(3), "sala"); }},
      {"a full disk", [](TempGame& g) { g.WriteScript("cheio", {"reg= 1," + std::string(200, 'x')}); },
       [](Session& s) {
         const std::string path = s.f.gameFolder + "aventura.rgs";
         std::string before, after;
         ReadFileBytes(path, before);
         {
           FullDisk full;
           RunScript(s.f, "cheio");
           s.f.writer.Flush();
         }
         // Told at the next entry, once.
         ReportSaveFailure(s.f.writer, s.platform);
         ReportSaveFailure(s.f.writer, s.platform);
         EXPECT_EQ(s.platform.errors.size(), 1u) << "the save did not fail, or was told twice";
         ReadFileBytes(path, after);
         EXPECT_EQ(after, before);  // the failed save left the old one whole
       },
       "Cannot create file",
       [](const TempGame& g, const Session&, const std::string&) {
         EXPECT_EQ(g.StateLines(".rgs").at(1), std::string(200, 'x'));  // shutdown, with room again
         for (const char* left : {"aventura.commit~", "aventura.rgs.tmp~", "aventura.obx.tmp~"})
           EXPECT_FALSE(g.Exists(left)) << left;
       }},
      {"a vocabulary of 100,000 lines",
       [](TempGame& g) {
         StringList vocabulary;
         for (int i = 0; i < 100000; ++i) vocabulary.push_back("FRASE " + IntToStr(i) + "|nada");
         vocabulary.push_back("ULTIMA|achou");
         g.WriteLines("vocab.scp", vocabulary);
         g.WriteScript("achou", {"reg= 1,achou"});
       },
       [](Session& s) {
         InputEdited(s.f, "ULTIMA");
         InputKeyUp(s.f, InputKey::Enter);
       },
       "", [](const TempGame& g, const Session&, const std::string&) { EXPECT_EQ(g.StateLines(".rgs").at(1), "achou"); }},
  };
  for (const auto& c : cases) {
    TempGame game;
    c.prepare(game);
    const std::string saved = game.Read("aventura.rgs");
    Session s{game, false};
    EnterEngine(s.f, [&] {
      GameLoader(s.f, game.name());
      if (c.play) c.play(s);
    });
    FormDestroy(s.f);
    if (c.error) {
      const std::string errors = Joined(s.platform.errors);
      if (*c.error) EXPECT_NE(errors.find(c.error), std::string::npos) << c.what << ": " << errors;
      else EXPECT_EQ(errors.substr(0, 200), "") << c.what;
    }
    c.check(game, s, saved);
  }
}

TEST(BadInput, EveryNumberLineAtItsExtremesLoadsAndPlaysInEveryModel) {
  // Places, sizes and fonts of two thousand million pixels either way: the
  // sanitizer run reports any sum that wraps. Surfaces at INT_MAX (256 MB each,
  // the table above) keep their sizes here.
  const int surfaces[] = {kDisplayWidth, kDisplayHeight, kPanelWidth, kPanelHeight, kModel3Width,
                          kModel3Height, kScreenWidth,   kScreenHeight, kMapWidth,   kMapHeight};
  for (const char* extreme : {"2147483647", "-2147483648"}) {
    TempGame game;
    for (int n = 0; n < kConfigLineCount; ++n) {
      const bool surface = std::find(std::begin(surfaces), std::end(surfaces), n) != std::end(surfaces);
      if (ConfigLineValue(n) != ConfigValue::Number || n == kRegisterCount || (surface && *extreme != '-')) continue;
      game.config[static_cast<size_t>(n)] = extreme;
    }
    game.WriteConfig();
    game.WriteScript("start", {"setmode= 0", "msg= a", "setmode= 2", "msg= b", "setmode= 3", "msg= c", "linefeed",
                               "setmode= 1", "msg= d", "reg= 1,fim"});
    Session s{game, false};
    EnterEngine(s.f, [&] {
      GameLoader(s.f, game.name());
      RunScript(s.f, "start");
    });
    FormDestroy(s.f);
    EXPECT_EQ(game.StateLines(".rgs").at(1), "fim") << extreme << ": " << Joined(s.platform.errors);
  }
}

}  // namespace
}  // namespace lumora
