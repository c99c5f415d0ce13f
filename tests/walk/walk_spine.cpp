// The player as a whole: start, links, a nested run, errors, quitting and what
// is written back.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

#include "walk/walk_support.h"

namespace lumora::testing {
namespace {

QByteArray GameFile(const QString& name) {
  QFile f(QStringLiteral(LUMORA_GAMES) + "/spine/" + name);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

QStringList Strings(const QJsonValue& v) {
  QStringList out;
  for (const auto& item : v.toArray()) out << item.toString();
  return out;
}

TEST(WalkSpine, PlaysTheWalkthroughStepByStep) {
  const WalkResult r = PlayWalk("spine", GameWalkthrough("spine"));
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  // Step 0 and one step per action, the "> " action printed before the one it interrupted.
  ASSERT_EQ(r.steps.size(), 7u);
  const int order[] = {0, 1, 2, 4, 3, 5, 6};
  for (size_t i = 0; i < 7; ++i) EXPECT_EQ(r.steps[i]["step"].toInt(), order[i]);

  const QJsonObject create = r.Step(0)["state"].toObject();
  EXPECT_EQ(create["screen"].toInt(), 2);  // the opening screen
  EXPECT_EQ(Strings(create["registers"]).size(), 11);

  const QJsonObject start = r.Step(1)["state"].toObject();
  EXPECT_EQ(start["msg"].toString(), QString::fromUtf8("Olá, mundo!"));
  EXPECT_EQ(start["screen"].toInt(), 0);
  const QStringList trace = Strings(r.Step(1)["trace"]);
  EXPECT_TRUE(trace.contains("Executando script: start.scp"));
  EXPECT_TRUE(trace.contains(QString::fromUtf8("   1: :inicio <-Referência na linha: 1 ")));

  const QJsonObject sala = r.Step(2)["state"].toObject();
  EXPECT_EQ(sala["script"].toString(), "sala");
  EXPECT_EQ(sala["prm"].toString(), "porta");
  EXPECT_EQ(Strings(sala["registers"])[2], "porta");

  // The link arrived while "setmode= 0" let messages through, a wait that holds
  // input: it ran at typing's pass, inside the outer step. The nested run
  // replaced the script: the outer one ends without its last line.
  const QJsonObject nested = r.Step(4)["state"].toObject();
  EXPECT_EQ(Strings(nested["registers"])[3], "");
  const QJsonObject lento = r.Step(3)["state"].toObject();
  EXPECT_EQ(Strings(lento["registers"])[3], "dentro");
  EXPECT_EQ(lento["model"].toString(), "0");
  EXPECT_FALSE(lento["memo0"].toString().contains("fim do lento"));
  EXPECT_EQ(lento["script"].toString(), "rapido");

  const QJsonObject erro = r.Step(5);
  EXPECT_EQ(erro["error"].toString(), "'x' is not a valid integer value");
  EXPECT_FALSE(erro["state"].toObject()["memo0"].toString().contains("depois"));

  const QJsonObject quit = r.Step(6)["state"].toObject();
  EXPECT_TRUE(quit["exited"].toBool());
  // Shutdown wrote the last script started into line 7 and kept the registers.
  EXPECT_EQ(Strings(quit["config"])[7], "erro");
  const QByteArray ini = r.File("spine.ini");
  EXPECT_TRUE(ini.split('\n').size() >= 98);
  // Lines 0 and 1 hold where the window stood; 4 to 7 the game, registers and scripts.
  EXPECT_TRUE(ini.contains("\r\n\r\n\r\nspine\r\n10\r\nstart\r\nerro\r\nstart\r\n")) << ini.left(80).toStdString();
  EXPECT_EQ(r.File("spine.rgs"), QByteArray("r0\r\n\r\nporta\r\ndentro\r\n\r\n\r\n\r\n\r\n\r\n\r\ndez\r\n"));
}

TEST(WalkSpine, AClickDuringAPauseRunsNestedAndTheOuterRunEnds) {
  const WalkResult r = PlayWalk("spine", "start\nlink espera\n> link rapido&Prm=pausa\n> quit\nlink sala\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  // The nested steps come first, then the pause's own step. The nested run lets
  // messages through at its end, where the quit lands; the program ends once the
  // outer run is over.
  ASSERT_EQ(r.steps.size(), 5u);
  EXPECT_EQ(r.steps[2]["step"].toInt(), 4);
  EXPECT_EQ(r.steps[3]["step"].toInt(), 3);
  EXPECT_EQ(r.steps[4]["step"].toInt(), 2);
  EXPECT_EQ(Strings(r.Step(3)["state"].toObject()["registers"])[3], "pausa");
  const QJsonObject outer = r.Step(2)["state"].toObject();
  EXPECT_FALSE(outer["msg"].toString().contains("depois da pausa"));
  EXPECT_TRUE(outer["exited"].toBool());
  EXPECT_TRUE(r.Step(5).isEmpty());  // nothing runs after the quit
  EXPECT_EQ(r.File("spine.rgs").split('\n')[3], "pausa\r");
}

TEST(WalkSpine, AnErrorInANestedRunBelongsToThatRun) {
  const WalkResult r = PlayWalk("spine", "start\nlink espera\n> link erro\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_EQ(r.Step(3)["error"].toString(), "'x' is not a valid integer value");
  EXPECT_TRUE(r.Step(2)["error"].isNull());
}

TEST(WalkSpine, TheQuitButtonReleasedOutsideItStillEndsTheProgram) {
  // The player presses the button, thinks better of it and lets go elsewhere:
  // the button holds the mouse, so the release is its own all the same.
  const WalkResult r = PlayWalk("spine", "start\nlink sala&Prm=porta\ndrag quit 5 5 300 300\nlink erro\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_TRUE(r.Step(2)["error"].isNull()) << r.Step(2)["error"].toString().toStdString();
  EXPECT_TRUE(r.Step(3)["state"].toObject()["exited"].toBool());
  EXPECT_TRUE(r.Step(4).isEmpty());  // nothing runs after the end
  EXPECT_EQ(r.File("spine.rgs").split('\n')[2], "porta\r");
  EXPECT_EQ(r.File("spine.ini").split('\n')[7], "sala\r");
}

TEST(WalkSpine, ClosingOnTheOpeningScreenKeepsTheSavedGame) {
  const WalkResult r = PlayWalk("spine", "close\n");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_TRUE(r.Step(1)["state"].toObject()["exited"].toBool());
  for (const char* name : {"spine.ini", "spine.rgs", "spine.obx", "spine.obz"})
    EXPECT_EQ(r.File(name), GameFile(name)) << name;
}

TEST(WalkSpine, ResumeRunsThePositionScriptAndTheSaveSurvivesARestart) {
  WalkResult first = PlayWalk("spine", "resume\nquit\n");
  ASSERT_EQ(first.exitCode, 0) << first.stderrText.toStdString();
  // The click ran "start", then the double click the position script "sala".
  const QJsonObject resumed = first.Step(1)["state"].toObject();
  EXPECT_EQ(resumed["script"].toString(), "sala");
  EXPECT_EQ(resumed["msg"].toString(), QString::fromUtf8("Você está na sala."));
  const WalkResult second = PlayAgain(first.folder, "start\n");
  EXPECT_EQ(Strings(second.Step(0)["state"].toObject()["config"])[7], "sala");
  EXPECT_EQ(Strings(second.Step(1)["state"].toObject()["registers"])[10], "dez");
}

TEST(WalkSpine, AMissingConfigurationIsNoGameToPlay) {
  // The game is named by a link to the player, as a game folder holds it.
  WalkResult r = PlayWalk("spine", "close\n");
  QFile::remove(r.folder + "/spine.ini");
  ASSERT_TRUE(QFile::link(QStringLiteral(LUMORA_BIN), r.folder + "/spine"));
  r = PlayAgain(r.folder, "start\nclose\n", {}, r.folder + "/spine");
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.steps.empty());
  EXPECT_TRUE(r.stderrText.contains("no spine.ini beside")) << r.stderrText.toStdString();
  EXPECT_FALSE(QFile::exists(r.folder + "/spine.ini"));  // nothing was invented
}

TEST(WalkSpine, AnUnreadableConfigurationPlaysEveryStepAndEndsWithStatusOne) {
  WalkResult r = PlayWalk("spine", "close\n");
  QFile ini(r.folder + "/spine.ini");
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write("3\r\nstart\r\n");  // far too few lines
  ini.close();
  r = PlayAgain(r.folder, "start\ntype OLHAR\nclose\n");
  EXPECT_EQ(r.exitCode, 1) << r.stderrText.toStdString();
  ASSERT_EQ(r.steps.size(), 4u);
  EXPECT_TRUE(r.Step(0)["error"].toString().contains("spine.ini")) << r.Step(0)["error"].toString().toStdString();
  EXPECT_TRUE(r.Step(3)["state"].toObject()["exited"].toBool());
}

TEST(WalkSpine, ALinkClickedInTheRealWebViewRunsItsScript) {
  // The page's link fills the top of the view; a click on it follows it.
  const WalkResult r = PlayWalk("spine", "start\nlink pagina\nclick web 100 60\nwait 1000\nwait 2000\nquit\n", {"--web"});
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_TRUE(r.Step(2)["state"].toObject()["html"].toString().contains("Scp=outra&Prm=web"));
  QJsonObject after;
  // The page's script runs the click when the web engine gets to it.
  for (int step : {3, 4, 5})
    if (Strings(r.Step(step)["state"].toObject()["registers"])[4] == "web") after = r.Step(step)["state"].toObject();
  ASSERT_FALSE(after.isEmpty()) << "the link was not followed";
  EXPECT_EQ(after["script"].toString(), "outra");
  EXPECT_TRUE(after["html"].toString().contains(QString::fromUtf8("<p id=outra>Outra página</p>")));
}

// The program alone in the game's folder, without the web view's module beside
// it: the first page is kept, not shown, and the game goes on; its links are
// still followed.
TEST(WalkSpine, WithoutTheWebViewsModuleThePagesAreNotShownAndTheGameGoesOn) {
  WalkResult r = PlayWalk("spine", "close\n");
  ASSERT_TRUE(QFile::copy(QStringLiteral(LUMORA_BIN), r.folder + "/spine"));
  r = PlayAgain(r.folder, "start\nlink pagina\nkey Ctrl+plus\nlink outra&Prm=web\nquit\n", {"--web"},
                r.folder + "/spine");
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_TRUE(r.stderrText.contains("no web view")) << r.stderrText.toStdString();
  ASSERT_EQ(r.steps.size(), 6u);
  for (const auto& step : r.steps) EXPECT_TRUE(step["error"].isNull()) << step["error"].toString().toStdString();
  const QJsonObject page = r.Step(2)["state"].toObject(), zoomed = r.Step(3)["state"].toObject(),
                    followed = r.Step(4)["state"].toObject();
  EXPECT_EQ(page["model"].toString(), "2");
  EXPECT_TRUE(page["html"].toString().contains("Scp=outra&Prm=web"));
  EXPECT_EQ(zoomed["zoom"].toInt(), 2);
  EXPECT_EQ(followed["script"].toString(), "outra");
  EXPECT_EQ(Strings(followed["registers"])[4], "web");
  EXPECT_TRUE(followed["html"].toString().contains(QString::fromUtf8("Outra página")));
  EXPECT_TRUE(r.Step(5)["state"].toObject()["exited"].toBool());
}

// A page's script (sonda.js) reads what it can and reports it through a script
// link: the game's files and the page itself, never the player's other files,
// a file beside the page in the player's own folder, or a picture that links
// out of the game. Neither another file nor a web address takes the page's
// place; the address goes to the browser. With the game's folder read-only the
// page lies in the player's folder and finds the game's files through its
// <base href>.
TEST(WalkSpine, APageReadsTheGamesFilesAndItselfAndNothingElse) {
  const QString picture = QStringLiteral(LUMORA_DEMO) + "/lanterna.png";
  const QString width = QString::number(QImage(picture).width());
  const struct {
    const char* what;
    bool readOnlyGame;
    const char* besideThePage;  // what reading vizinho.txt beside tmp.htm gives
  } cases[] = {{"the page in the game's folder", false, "lido"},
               {"the page in the player's folder", true, "recusado"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WalkResult r = PlayWalk("spine", "close\n");
    QTemporaryDir outside, data;
    ASSERT_TRUE(QFile::copy(picture, r.folder + "/dentro.png"));
    ASSERT_TRUE(QFile::copy(picture, outside.filePath("fora.png")));
    ASSERT_TRUE(QFile::link(outside.filePath("fora.png"), r.folder + "/fora.png"));
    // The read-only game's state is put where an older version kept it, under
    // the game's name alone: the player moves it to the game's own key.
    const QString state = c.readOnlyGame ? data.filePath("lumora/spine") : r.folder;
    ASSERT_TRUE(QDir().mkpath(state));
    QFile beside(state + "/vizinho.txt");
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly) && beside.write("segredo") > 0);
    beside.close();
    DataHome home(data.path());
    std::unique_ptr<ReadOnlyFolder> readOnly;
    if (c.readOnlyGame) readOnly = std::make_unique<ReadOnlyFolder>(r.folder);
    if (readOnly && !readOnly->Ready()) GTEST_SKIP() << "the game's folder cannot be made read-only here";
    r = PlayAgain(r.folder, "start\nlink sonda\nwait 1500\nwait 1500\nwait 2000\nquit\n", {"--web"});
    ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
    const QStringList keyed = QDir(data.filePath("lumora")).entryList({"spine-*"}, QDir::Dirs);
    ASSERT_EQ(keyed.size(), c.readOnlyGame ? 1 : 0);
    EXPECT_TRUE(QFile::exists((c.readOnlyGame ? data.filePath("lumora/" + keyed[0]) : state) + "/tmp.htm"));
    QString report;
    QJsonArray opened;
    for (const auto& step : r.steps) {
      const QJsonObject s = step["state"].toObject();
      for (const auto& address : s["opened"].toArray()) opened.append(address);
      if (report.isEmpty() && s["script"].toString() == "outra") report = Strings(s["registers"])[4];
    }
    EXPECT_EQ(report, "etc-recusado.jogo-lido.pagina-lido.vizinho-" + QString(c.besideThePage) + ".absoluto-" +
                          width + ".relativo-" + width + ".fora-0");
    EXPECT_EQ(opened, QJsonArray{"http://exemplo.org/pagina"});
  }
}

}  // namespace
}  // namespace lumora::testing
