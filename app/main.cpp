// The program: command line, the two forms, the window, the message loop, and
// the walkthrough driver or the trace sink when asked for.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <unistd.h>
#include <vector>

#include "app/check.h"
#include "app/command_line.h"
#include "app/library.h"
#include "app/library_window.h"
#include "app/new_game.h"
#include "app/play_all.h"
#include "app/recorder.h"
#include "shell/save_slots.h"
#include "app/monkey.h"
#include "app/walkthrough.h"
#include "core/stop_request.h"
#include "core/text1252.h"
#include "core/translation.h"
#include "core/zoom.h"
#include "core/trace.h"
#include "platform/headless_platform.h"
#include "platform/qt_platform.h"
#include "qt/game_watch.h"
#include "qt/installed_files.h"
#include "qt/main_window.h"
#include "script/interp.h"
#include "shell/lifecycle.h"
#include "shell/locate_game.h"
#include "tools/keyword_reference.h"
#include "view/read_aloud.h"

using namespace lumora;

namespace {

// The offscreen platform's own screen is 800 by 600, smaller than the window:
// headless runs get one virtual screen with room for the window at every zoom.
constexpr char kHeadlessScreens[] =
    R"({"screens":[{"name":"headless","x":0,"y":0,"width":3840,"height":2160,)"
    R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})";

// Headless runs are on Qt's offscreen platform, on the virtual screen above,
// which the platform reads from a file as the application starts. Options
// given to the offscreen platform already ("offscreen:configfile=FILE", other
// screens) are kept.
std::unique_ptr<QTemporaryFile> UseOffscreenPlatform() {
  if (qgetenv("QT_QPA_PLATFORM").startsWith("offscreen:")) return nullptr;
  auto screens = std::make_unique<QTemporaryFile>();
  QByteArray platform = "offscreen";
  if (screens->open() && !screens->fileName().contains(':')) {
    screens->write(kHeadlessScreens);
    screens->flush();
    platform += ":configfile=" + QFile::encodeName(screens->fileName());
  }
  qputenv("QT_QPA_PLATFORM", platform);
  return screens;
}

// Returns what must live until the application has started.
std::unique_ptr<QTemporaryFile> PrepareEnvironment(const Options& o) {
  std::unique_ptr<QTemporaryFile> screens;
  if (o.headless) screens = UseOffscreenPlatform();
  // QtWebEngine's sandbox cannot run as root.
  if (geteuid() == 0) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--no-sandbox")) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + " --no-sandbox");
  }
  // No OpenGL context is shared for QtWebEngine at start (under X, making one
  // costs more than the rest of the start-up together): the web view's module
  // makes it when the first model-2 page is shown.
  return screens;
}

// The zoom the window is to start with: the one asked for (the window then
// takes it as far as the screen has room), or the largest that leaves a fifth
// of the screen free (on top of the screen's own pixel ratio, which Qt
// applies). Headless runs stay at 1 unless asked.
int StartZoom(const Options& o) {
  if (o.zoom != 0) return o.zoom;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (o.headless || !screen) return 1;
  const QRect area = screen->availableGeometry();
  return ChooseZoom(area.width(), area.height(), 900, 420);
}

std::string Absolute(const std::string& path) {
  return path.empty() ? path : QDir::current().absoluteFilePath(QString::fromStdString(path)).toStdString();
}

// Begins the line that names the script the following trace lines come from.
constexpr const char* kTraceScriptHeader = "### ";

void InstallTrace(const Options& o, std::unique_ptr<std::ofstream>& file) {
  if (!o.trace) return;
  std::ostream* out = nullptr;
  if (!o.traceFile.empty()) {
    file = std::make_unique<std::ofstream>(o.traceFile, std::ios::binary);
    out = file.get();
  }
  // Each change of script is headed by its name, so an author can follow a run
  // across scripts; the interpreter's own lines stay as they are.
  auto shown = std::make_shared<std::string>();
  AddTraceListener([out, shown](std::string_view line) {
    std::string text;
    if (TraceScript() != *shown) {
      *shown = TraceScript();
      text = kTraceScriptHeader + Utf8FromCp1252(*shown) + ".scp\n";
    }
    text += Utf8FromCp1252(line) + "\n";
    if (out) out->write(text.data(), static_cast<std::streamsize>(text.size())), out->flush();
    else std::fwrite(text.data(), 1, text.size(), stderr);
  });
}

int Fail(const std::string& text) {
  std::fprintf(stderr, "lumora: %s\n", text.c_str());
  return kExitUsage;
}

// A play that keeps its saved game apart from the game's folder, which it then
// only reads: in the folder asked for (made when missing), or, fresh, in a
// temporary one removed at the end. Empty when all is well, else what failed.
std::string PrepareStateFolder(Options& o, std::unique_ptr<QTemporaryDir>& fresh) {
  if (o.fresh) {
    fresh = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/lumora-fresh-XXXXXX");
    if (!fresh->isValid()) return "cannot make a temporary folder: " + fresh->errorString().toStdString();
    o.stateFolder = fresh->path().toStdString();
  } else if (o.stateFolder.empty()) {
    return "";
  }
  o.stateFolder = Absolute(o.stateFolder);
  if (!QDir().mkpath(QString::fromStdString(o.stateFolder))) return "cannot make the folder " + o.stateFolder;
  if (o.stateFolder.back() != '/') o.stateFolder += '/';
  return "";
}

// Centred on the screen's free area, and on it where the window is the larger.
void CentreOnScreen(MainWindow& window) {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    const QPoint centred = area.center() - QPoint(window.width() / 2, window.height() / 2);
    const WindowPlace at = OntoArea({centred.x(), centred.y()}, window.width(), window.height(),
                                    {area.x(), area.y(), area.width(), area.height()});
    window.move(at.left, at.top);
  }
}

// What one window's life left for the next: where a walkthrough goes on after a
// "restart" (Walkthrough::kNoRestart: it ended).
struct WindowEnd {
  int code = kExitDone;
  size_t restartAt = Walkthrough::kNoRestart;
};

// Creates the two forms and the window, and runs the message loop: for a person,
// or for the walkthrough's actions from index from on when there are any (a
// restarted window prints no step 0: its creation's errors go with the next
// step). Shutdown runs once.
WindowEnd RunWindow(QApplication& app, const Options& options, const GameLocation& game, const QString& startFolder,
                    std::vector<Action>& actions, size_t from, Monkey* monkey, Recorder* recorder) {
  std::unique_ptr<QtPlatform> platform =
      options.headless ? std::make_unique<HeadlessPlatform>() : std::make_unique<QtPlatform>();
  const bool playing = !options.play.empty() || monkey;
  // Errors of creation reach the walkthrough's step 0.
  std::string createError;
  if (playing)
    platform->onError = [&](const std::string& text) { createError += (createError.empty() ? "" : "\n") + text; };

  TForm1 form(*platform);
  form.stateFolderGiven = options.stateFolder;
  FormCreate(form, game.folder, Cp1252FromUtf8(game.name));
  TForm3 interp(form);
  form.interp = &interp;
  std::unique_ptr<WebBackend> web;
  if (options.headless && !options.web) web = std::make_unique<RecordingWeb>();
  else web = std::make_unique<EngineWeb>();
  MainWindow window(form, std::move(web));
  window.slotPanels = !playing;
  if (recorder) recorder->Attach(window, form);
  std::unique_ptr<GameWatch> watch;
  if (options.watch) watch = std::make_unique<GameWatch>(window, form);
  platform->Attach(&form, &window);
  if (options.speak) SetReadAloud(form, true);
  // The zoom asked for, as large as the screen has room for.
  window.SetZoom(StartZoom(options));
  window.startZoom = window.Zoom();
  CentreOnScreen(window);
  bool destroyed = false;
  auto destroy = [&] {
    if (!destroyed) FormDestroy(form);
    destroyed = true;
  };
  std::unique_ptr<Walkthrough> walk;
  window.onExit = [&] {
    destroy();
    if (walk) walk->MarkExited();
    else app.quit();
  };
  window.show();
  if (options.inspect) window.ToggleInspector();
  // Opened from a slot (the library's restore): resumed from it before
  // anything else, not on the opening screen; a walkthrough starts after it.
  auto restoreFirst = [&] {
    if (!options.restore.empty() && from == 0)
      window.Enter([&] { RestoreSlot(form, Cp1252FromUtf8(options.restore)); });
  };
  if (!playing) QTimer::singleShot(0, restoreFirst);
  // Ctrl+C and SIGTERM close the window as its close button does. A running
  // script notices the request itself; this timer serves the idle program.
  QTimer stopWatch;
  QObject::connect(&stopWatch, &QTimer::timeout, [&] {
    if (StopRequested()) window.close();
  });
  stopWatch.start(100);

  WindowEnd end;
  std::function<bool(std::vector<Action>&, bool)> more;  // the monkey's next actions
  if (playing) {
    platform->onError = nullptr;
    walk = std::make_unique<Walkthrough>(form, window, *platform, options.json, options.headless);
    walk->baseFolder = startFolder;
    walk->fileName = options.play;
    if (monkey) {
      walk->afterStep = [&](const Action& a) { monkey->Check(form, window, walk->Exited(), a); };
      more = [&](std::vector<Action>& list, bool exited) { return monkey->More(form, window, exited, list); };
    }
    QTimer::singleShot(0, [&] {
      restoreFirst();
      if (from == 0) {
        if (!createError.empty()) platform->onError(createError);
        walk->PrintCreate();
        if (monkey) monkey->Check(form, window, false, Action());
      } else if (!createError.empty()) {
        walk->AddError(createError);
      }
      end.restartAt = walk->Run(actions, from, more);
      destroy();
      app.quit();
    });
  }
  end.code = app.exec();
  destroy();
  if (walk && walk->ExpectFailures() > 0) end.code = kExitExpectFailed;
  if (recorder) recorder->Detach();
  // The game went on as far as it could; the status still tells a script or a
  // desktop that its configuration was not read.
  if (!form.configLoaded) end.code = kExitGameUnreadable;
  return end;
}

// The windows of one run: a walkthrough's "restart" ends one and starts the
// next from the saved game, in the same program.
int RunGame(QApplication& app, const Options& options, const GameLocation& game, const QString& startFolder,
            std::vector<Action>& actions, Monkey* monkey, Recorder* recorder) {
  WindowEnd end;
  size_t from = 0;
  int code = kExitDone;  // a window's failure is not forgotten by the next one's success
  for (;;) {
    end = RunWindow(app, options, game, startFolder, actions, from, monkey, recorder);
    if (end.code != kExitDone) code = end.code;
    if (end.restartAt == Walkthrough::kNoRestart || StopRequested()) return code;
    from = end.restartAt;
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Before the command line: its errors and --help are in the user's language too.
  LoadTranslation(TranslationFolders());
  Options options = ParseCommandLine(argc, argv);
  if (!options.error.empty()) return Fail(options.error + "\n" + UsageHint());
  if (options.help || options.version) {
    std::fputs((options.help ? HelpText() : VersionText()).c_str(), stdout);
    return kExitDone;
  }
  if (options.keywords) {
    const bool man = options.keywordsFormat == "man";
    std::fputs(KeywordReference(man ? ReferenceFormat::Man : ReferenceFormat::Text).c_str(), stdout);
    return kExitDone;
  }
  if (options.demo && options.game.empty()) options.game = InstalledDemoFolder().toStdString();
  if (options.check) return RunCheck(options.game, argv[0]);
  if (!options.playAll.empty()) {
    QCoreApplication app(argc, argv);
    InstallTranslation();
    return RunPlayAll(options, argv[0]);
  }
  if (!options.newGame.empty()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // no window, but the pictures' captions are drawn with fonts
    QGuiApplication app(argc, argv);
    return RunNewGame(options.newGame);
  }
  if (options.library == "show" || options.library == "show-all") {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumora"));
    InstallTranslation();
    return RunLibraryWindow(app, options.library == "show" ? LibraryShown::Names : LibraryShown::WithPictures);
  }
  if (!options.library.empty()) {
    // Without a window, but the built-in opening picture is drawn with fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumora"));
    return RunLibraryCommand(options, argv[0]);
  }
  // The monkey's supervisor plays the game in child processes of this program.
  if (!options.monkey.empty() && MonkeyChildChannel() < 0) return RunMonkey(options, argv[0]);
  // Before the application opens the display: without a game there is nothing to show.
  const GameLocation game = LocateGame(options.game, argv[0]);
  // Started without a game (from the desktop's menu), the program opens on
  // the library; named games and the automation still need a game.
  if (!game.error.empty() && options.game.empty() && options.play.empty() && options.monkey.empty() &&
      !options.demo) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumora"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lumora.Lumora"));
    InstallTranslation();
    return RunLibraryWindow(app);
  }
  if (!game.error.empty()) return Fail(game.error);
  std::unique_ptr<QTemporaryFile> startOnly = PrepareEnvironment(options);
  InstallStopSignals();
  QApplication app(argc, argv);
  startOnly.reset();
  // Named after the program, not after a link that started it.
  QCoreApplication::setApplicationName(QStringLiteral("lumora"));
  // The window's class (X) and application id (Wayland) tie it to the desktop
  // entry, whose StartupWMClass is this name: the dock shows one icon for both.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lumora.Lumora"));
  QCoreApplication::setApplicationVersion(QStringLiteral(LUMORA_VERSION));
  InstallTranslation();
  // Files named on the command line are relative to where the program started.
  options.play = Absolute(options.play);
  options.traceFile = Absolute(options.traceFile);
  options.record = Absolute(options.record);
  const QString startFolder = QDir::currentPath();
  std::vector<Action> actions;
  std::string playError;
  if (!options.play.empty() && !ParseWalkthrough(options.play, actions, playError)) return Fail(playError);
  // The monkey's own play (in the child the supervisor started), or a replay it checks.
  std::unique_ptr<Monkey> monkey;
  if (MonkeyChildChannel() >= 0) {
    monkey = std::make_unique<Monkey>(options, MonkeyChildChannel());
    if (!monkey->Open(playError)) return Fail(playError);
  }
  std::unique_ptr<QTemporaryDir> freshState;
  if (const std::string error = PrepareStateFolder(options, freshState); !error.empty()) return Fail(error);
  std::unique_ptr<std::ofstream> traceFile;
  InstallTrace(options, traceFile);
  // The game's files are found relative to the program folder, as from its icon.
  QDir::setCurrent(QString::fromStdString(game.folder));
  // The session written as a walkthrough, from its first action.
  std::unique_ptr<Recorder> recorder;
  if (!options.record.empty()) {
    recorder = std::make_unique<Recorder>(options.record);
    if (!recorder->Good()) return Fail("cannot write " + options.record);
  }
  return RunGame(app, options, game, startFolder, actions, monkey.get(), recorder.get());
}
