// The demo game in a real window on an X server of its own, played with real
// pointer and key events (XTest): a click with the pointer still, a touchpad's
// quick tap, Enter on the focus ring and typing after the map page, and a
// recording of such a session replayed.
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QThread>
#include <csignal>
#include <functional>
#include <string>
#include <vector>
#include <gtest/gtest.h>

#include "xvfb.h"

namespace {

using lumora_x::Write;
using lumora_x::Xvfb;
using State = QJsonObject;
using Until = std::function<bool(const State&)>;

// Design pixels on the command panel of the demo (its pictures are placed by
// bussola.scp): the arrows east and west and the mini-map that opens the map page.
constexpr QPoint kEast(150, 60), kWest(60, 60), kMiniMap(100, 170);

// The trace line that starts each script's run.
const QString kRunning = QStringLiteral("Executando script: ");

// Long enough for any step, short enough that a fault costs seconds.
constexpr int kStartMs = 30000, kStepMs = 8000;

// Where the command panel lies in the window: its place in the game's configuration.
QPoint PanelOrigin(const State& s) {
  const QJsonArray config = s["config"].toArray();
  return QPoint(config[45].toString().toInt(), config[46].toString().toInt());
}

// One run of the player on a fresh copy of the demo: a walkthrough that
// double-clicks the opening picture (the fresh copy's saved game is at its
// first place) and then waits 200 ms at a time, so the window is idle
// and real events reach it, and prints the state after each wait.
class Session {
 public:
  explicit Session(const Xvfb& x, const QStringList& extra = {}) : env_(x.Environment()) {
    QDir source(QStringLiteral(LUMORA_DEMO));
    for (const QString& name : source.entryList(QDir::Files)) QFile::copy(source.filePath(name), dir_.filePath(name));
    Write(dir_.filePath("w.walk"), "resume\n" + QByteArray("wait 200\n").repeated(300));
    player_.setProcessEnvironment(env_);
    player_.start(QStringLiteral(LUMORA_BIN),
                  QStringList{"--zoom", "1", "--json", "--play", dir_.filePath("w.walk")} + extra << dir_.path());
  }
  ~Session() { End(); }
  // Ends the player as the system's stop request does (its saved game written);
  // whether it ended of itself.
  bool End() {
    player_.terminate();
    if (player_.waitForFinished(10000)) return true;
    player_.kill();
    player_.waitForFinished();
    return false;
  }
  // The copy of the demo the player plays, and writes its saved game in.
  QString Folder() const { return dir_.path(); }

  // Reads the steps printed so far until one satisfies the condition; false
  // when none did within the time or the player ended.
  bool Await(const Until& until, int ms) {
    QElapsedTimer waited;
    waited.start();
    do {
      while (player_.canReadLine()) {
        const QJsonObject step = QJsonDocument::fromJson(player_.readLine()).object();
        if (step.isEmpty()) continue;
        ++steps_;
        last_ = step["state"].toObject();
        for (const QJsonValue& line : step["trace"].toArray())
          if (line.toString().startsWith(kRunning)) scripts_ += line.toString().mid(kRunning.size());
        if (until(last_)) return true;
      }
    } while (waited.elapsed() < ms && (player_.waitForReadyRead(100) || player_.state() == QProcess::Running));
    return false;
  }
  // Until the player has shown the steps after this one: what it was given
  // before is handled and painted.
  bool Settle() {
    const int target = steps_ + 2;
    return Await([&](const State&) { return steps_ >= target; }, kStepMs);
  }
  bool Started() {
    return Await([](const State& s) { return s["screen"].toInt() == 0 && !s["posic"].toString().isEmpty(); },
                 kStartMs) && Settle();
  }

  // Real input through the driver; its error text, empty when it did it all.
  // A point written "fnc X Y" is in design pixels of the command panel, as in
  // a walkthrough, and given to the driver in the window's pixels (zoom 1).
  // With atOnce the input reaches the player all together.
  std::string Input(QStringList actions, bool atOnce = false) {
    const QPoint panel = PanelOrigin(last_);
    for (qsizetype i = actions.indexOf("fnc"); i >= 0 && i + 2 < actions.size(); i = actions.indexOf("fnc", i)) {
      actions[i + 1] = QString::number(panel.x() + actions[i + 1].toInt());
      actions[i + 2] = QString::number(panel.y() + actions[i + 2].toInt());
      actions.removeAt(i);
    }
    // Stopped, the player reads whatever came meanwhile in one go, as a
    // program busy when a tap or a quick key comes does, whatever the load.
    if (atOnce) ::kill(static_cast<pid_t>(player_.processId()), SIGSTOP);
    const std::string error = Drive(actions);
    if (atOnce) {
      QThread::msleep(100);  // the X server sends the events on meanwhile
      ::kill(static_cast<pid_t>(player_.processId()), SIGCONT);
    }
    return error;
  }
  // The driver given these actions as they are; its error text, as Input's.
  std::string Drive(const QStringList& actions) {
    QProcess driver;
    driver.setProcessEnvironment(env_);
    driver.start(QStringLiteral(LUMORA_X_INPUT), actions);
    if (!driver.waitForFinished(60000)) return "the driver did not finish";
    if (driver.exitStatus() == QProcess::NormalExit && driver.exitCode() == 0) return {};
    return "the driver failed: " + driver.readAllStandardError().toStdString();
  }
  // The window's pixels there, read from the X server; a null image when the grab failed.
  QImage Grab(const QRect& r, const QString& name) {
    const QString path = dir_.filePath(name + ".ppm");
    if (!Drive({"grab", QString::number(r.x()), QString::number(r.y()), QString::number(r.width()),
                QString::number(r.height()), path})
             .empty())
      return {};
    return QImage(path);
  }
  // The whole window, kept as a PNG in the temporary folder for a look; its path.
  QString KeepShot(const QString& name) {
    const QJsonObject w = last_["window"].toObject();
    const QImage shot = Grab(QRect(0, 0, w["width"].toInt(), w["height"].toInt()), name);
    QTemporaryFile kept(QDir::temp().filePath("lumora-real-input-" + name + "-XXXXXX.png"));
    kept.setAutoRemove(false);
    if (!kept.open() || !shot.save(&kept, "PNG")) return "(not kept)";
    return kept.fileName();
  }

  const State& last() const { return last_; }
  // The scripts that ran, in order, named by the trace.
  QString Scripts() const { return scripts_.join(' '); }

 private:
  QProcessEnvironment env_;
  QTemporaryDir dir_;
  QProcess player_;
  State last_;
  int steps_ = 0;
  QStringList scripts_;
};

Until Place(const QString& place) {
  return [place](const State& s) { return s["posic"].toString() == place; };
}
Until LeftPlace(const QString& place) {
  return [place](const State& s) { return !s["posic"].toString().isEmpty() && s["posic"].toString() != place; };
}

// Input for the player, then a state it must reach.
struct Move {
  QStringList input;  // the driver's actions
  Until until;
  const char* what;
  bool atOnce = false;  // the events reach the player together
};

// A pointer action at a design point of the command panel.
QStringList OnPanel(const char* verb, QPoint at) {
  return {verb, "fnc", QString::number(at.x()), QString::number(at.y())};
}

TEST(RealInput, ClicksKeysAndTypingReachTheRightScript) {
  Xvfb x;
  ASSERT_FALSE(x.display().isEmpty()) << "Xvfb did not start";
  const struct {
    const char* what;
    std::vector<Move> moves;
    const char* place;        // where the last move leads
    const char* lastCommand;  // the typed command that led there; a click types none
  } cases[] = {
      // From the entrance east to the garden, which has an arrow east at the
      // same spot but north in the slot the entrance's east arrow had.
      {"a second click with the pointer still",
       {{OnPanel("click", kEast), Place("jardim"), "the first click goes east to the garden"},
        {OnPanel("click", kEast), LeftPlace("jardim"), "the second click leaves the garden"}},
       "torre", ""},
      // Tab from the input line: the door on the screen (slot 0), then the
      // panel's first area, the arrow east (slot 20); a moment between them.
      {"Enter on the area in the focus ring",
       {{{"key", "Tab", "sleep", "100", "key", "Tab"}, [](const State& s) { return s["keyFocus"].toInt() == 20; },
         "two Tabs put the ring on the arrow east"},
        {{"key", "Return"}, LeftPlace("entrada"), "Enter clicks the arrow east", true}},
       "jardim", ""},
      // The map page hides the input line; back on the place it shows again.
      // The second click lands a little aside, so the pointer moves to it.
      {"typing after the map page",
       {{OnPanel("click", kMiniMap), [](const State& s) { return s["page"].toString() == "Mapa"; },
         "the mini-map opens the map page"},
        {OnPanel("click", kMiniMap + QPoint(12, 8)), [](const State& s) { return s["page"].toString() == "1"; },
         "the mini-map again closes it"},
        {{"type", "leste"}, [](const State& s) { return s["input"].toString().toUpper() == "LESTE"; },
         "the letters reach the input line"},
        {{"key", "Return"}, LeftPlace("entrada"), "Enter runs the typed command"}},
       "jardim", "LESTE"},
      // Ctrl+Z takes the click back without running a script; Ctrl+Shift+Z
      // (the shifted z) does it again.
      {"undo and redo of a click",
       {{OnPanel("click", kEast), Place("jardim"), "the click goes east to the garden"},
        {{"key", "ctrl+z"}, Place("entrada"), "Ctrl+Z brings the entrance back"},
        {{"key", "ctrl+Z"}, Place("jardim"), "Ctrl+Shift+Z goes to the garden again"}},
       "jardim", ""},
  };
  for (const auto& c : cases) {
    Session s(x);
    ASSERT_TRUE(s.Started()) << c.what << ": the game did not start";
    bool reached = true;
    for (const Move& m : c.moves) {
      ASSERT_EQ(s.Input(m.input, m.atOnce), "") << c.what << ": " << m.what;
      reached = s.Await(m.until, kStepMs);
      if (!reached) {
        ADD_FAILURE() << c.what << ": not so: " << m.what << "; the scripts that ran: " << s.Scripts().toStdString()
                      << "; the window: " << s.KeepShot("failed").toStdString();
        break;
      }
    }
    if (!reached) continue;
    EXPECT_EQ(s.last()["posic"].toString().toStdString(), c.place)
        << c.what << "; the scripts that ran: " << s.Scripts().toStdString();
    EXPECT_EQ(s.last()["lastCommand"].toString().toStdString(), c.lastCommand) << c.what;
  }
}

// The panel area of the arrow east where the player stands, in the window's pixels.
QRect EastArrow(const State& s) {
  const QPoint panel = PanelOrigin(s);
  for (const QJsonValue& v : s["links"].toArray()) {
    const QJsonObject l = v.toObject();
    if (l["slot"].toInt() >= 20 && l["slot"].toInt() < 40 && l["picture"].toString() == "seta-l.png")
      return QRect(panel.x() + l["left"].toInt(), panel.y() + l["top"].toInt(), l["width"].toInt() + 1,
                   l["height"].toInt() + 1);
  }
  return {};
}

// A touchpad delivers the press and the release of a tap together: the area
// clicked must look as a slow click leaves it, its picture drawn released.
TEST(RealInput, AQuickTapLeavesTheClickedAreaAsASlowClickDoes) {
  Xvfb x;
  ASSERT_FALSE(x.display().isEmpty()) << "Xvfb did not start";
  Session s(x);
  ASSERT_TRUE(s.Started()) << "the game did not start";
  QImage shown[2];
  const struct {
    const char* verb;
    const char* what;
    bool atOnce;
  } arrivals[] = {{"click", "a slow click", false}, {"tap", "a tap", true}};
  for (int i = 0; i < 2; ++i) {
    ASSERT_EQ(s.Input(OnPanel(arrivals[i].verb, kEast), arrivals[i].atOnce), "") << arrivals[i].what;
    ASSERT_TRUE(s.Await(Place("jardim"), kStepMs) && s.Settle())
        << arrivals[i].what << " on the arrow east did not lead to the garden: " << s.Scripts().toStdString();
    const QRect area = EastArrow(s.last());
    ASSERT_FALSE(area.isEmpty()) << "the garden has no arrow east";
    shown[i] = s.Grab(area, arrivals[i].verb);
    ASSERT_FALSE(shown[i].isNull()) << arrivals[i].what << ": the grab failed";
    if (i == 0) {
      // Back to the entrance, the pointer moving to the arrow west.
      ASSERT_EQ(s.Input(OnPanel("click", kWest)), "");
      ASSERT_TRUE(s.Await(Place("entrada"), kStepMs) && s.Settle()) << "the arrow west: " << s.Scripts().toStdString();
    }
  }
  int differ = 0;
  for (int y = 0; y < shown[0].height(); ++y)
    for (int x = 0; x < shown[0].width(); ++x) differ += shown[0].pixel(x, y) != shown[1].pixel(x, y);
  EXPECT_EQ(differ, 0) << "of " << shown[0].width() * shown[0].height()
                       << " pixels of the arrow east differ after a tap; the window: "
                       << s.KeepShot("tapped").toStdString();
}

// What a hand did in the window, recorded, replays headless to the same saved game.
TEST(RealInput, ARecordedSessionReplaysToTheSameSavedGame) {
  Xvfb x;
  ASSERT_FALSE(x.display().isEmpty()) << "Xvfb did not start";
  QTemporaryDir work;
  const QString recorded = work.filePath("recorded.walk");
  Session s(x, {"--record", recorded, "--state", work.filePath("played")});
  ASSERT_TRUE(s.Started()) << "the game did not start";
  const std::vector<Move> moves = {
      {OnPanel("click", kEast), Place("jardim"), "a click goes east to the garden"},
      {{"type", "oeste"}, [](const State& st) { return st["input"].toString().toUpper() == "OESTE"; }, "letters"},
      {{"key", "Return"}, Place("entrada"), "the typed command goes back west"},
      {{"key", "ctrl+z"}, Place("jardim"), "Ctrl+Z takes it back"},
  };
  for (const Move& m : moves) {
    ASSERT_EQ(s.Input(m.input), "") << m.what;
    ASSERT_TRUE(s.Await(m.until, kStepMs)) << m.what << ": " << s.Scripts().toStdString();
  }
  ASSERT_TRUE(s.Settle());
  ASSERT_TRUE(s.End()) << "the player did not end on the stop request";
  QFile file(recorded);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  for (const char* line : {"\nresume\n", "\nclick fnc ", "\ntype OESTE\n", "\nundo\n"})
    EXPECT_TRUE(text.contains(line)) << line << " in\n" << text.toStdString();
  QProcess replay;
  replay.start(QStringLiteral(LUMORA_BIN),
               {"--headless", "--state", work.filePath("replayed"), "--play", recorded, s.Folder()});
  ASSERT_TRUE(replay.waitForFinished(60000));
  ASSERT_EQ(replay.exitCode(), 0) << replay.readAllStandardError().toStdString();
  for (const char* state : {"demo.rgs", "demo.obx", "demo.obz"}) {
    QFile played(work.filePath("played/") + state), replayed(work.filePath("replayed/") + state);
    ASSERT_TRUE(played.open(QIODevice::ReadOnly) && replayed.open(QIODevice::ReadOnly)) << state;
    EXPECT_EQ(played.readAll(), replayed.readAll()) << state << "; recorded:\n" << text.toStdString();
  }
}

}  // namespace
