// The walkthrough driver: each action is given to the real widgets as a person
// would give it, and the form's state printed as one JSON line per step.
#include "app/walkthrough.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "app/expect.h"
#include "app/json_state.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "core/trace.h"
#include "form/form1.h"
#include "form/surfaces.h"
#include "platform/headless_platform.h"
#include "platform/qt_platform.h"
#include "shell/save_slots.h"
#include "shell/undo.h"
#include "qt/main_window.h"

namespace lumora {

bool ParseActionLine(const std::string& line, int step, Action& a) {
  std::string t = Trim(line);
  if (!t.empty() && t.back() == '\r') t = Trim(t.substr(0, t.size() - 1));
  if (t.empty() || t[0] == '#') return false;
  a = Action();
  a.text = t;
  if (StartsWith(t, ">")) {
    a.during = true;
    t = Trim(t.substr(1));
  }
  const size_t blank = t.find(' ');
  a.verb = t.substr(0, blank);
  a.rest = blank == std::string::npos ? "" : t.substr(blank + 1);
  std::istringstream words(a.rest);
  for (std::string w; words >> w;) a.words.push_back(w);
  a.step = step;
  return true;
}

std::string Action::After(size_t n) const {
  size_t at = 0;
  for (size_t i = 0; i < n && at != std::string::npos; ++i) {
    at = rest.find_first_not_of(' ', at);
    if (at != std::string::npos) at = rest.find(' ', at);
  }
  return at == std::string::npos ? std::string() : Trim(std::string_view(rest).substr(at));
}

bool ParseWalkthrough(const std::string& path, std::vector<Action>& actions, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open walkthrough " + path;
    return false;
  }
  std::string line;
  int step = 0, lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    Action a;
    if (!ParseActionLine(line, step + 1, a)) continue;
    ++step;
    a.line = lineNumber;
    actions.push_back(std::move(a));
  }
  return true;
}

Walkthrough::Walkthrough(TForm1& form, MainWindow& window, QtPlatform& platform, bool json, bool headless)
    : f_(form), window_(window), platform_(platform), json_(json), headless_(headless) {
  // Only the JSON prints the trace: without it nobody listens, and the
  // interpreter builds no trace text a plain walkthrough would throw away.
  // A step keeps its first kMaxStepTrace lines and counts the rest: a script
  // looping a million times must not hold its whole trace in memory.
  if (json_)
    traceId_ = AddTraceListener([this](std::string_view line) {
      if (trace_.size() < kMaxStepTrace) trace_.push_back(Utf8FromCp1252(line));
      else ++traceLeftOut_;
    });
  platform_.onError = [this](const std::string& text) {
    if (!error_.empty()) error_ += "\n";
    error_ += text;
    if (!json_) std::fprintf(stderr, "lumora: %s\n", Utf8FromCp1252(text).c_str());
  };
  platform_.onMessages = [this] { DeliverDuring(); };
  platform_.openInBrowser = false;
  platform_.recording = true;
  f_.audio.listening = true;
}

Walkthrough::~Walkthrough() {
  if (json_) RemoveTraceListener(traceId_);
  platform_.onMessages = nullptr;
  platform_.onError = nullptr;
}

void Walkthrough::PrintStep(int step, const std::string& action) {
  if (json_) {
    QJsonArray trace;
    for (const auto& t : trace_) trace.append(QString::fromUtf8(t));
    QJsonArray opened;
    for (const std::string& url : platform_.opened) opened.append(QString::fromUtf8(Utf8FromCp1252(url)));
    QJsonArray spoken;
    for (const std::string& text : platform_.spoken) spoken.append(QString::fromUtf8(Utf8FromCp1252(text)));
    QJsonObject state = StateJson(f_, exited_);
    state["keyboard"] = exited_ ? QJsonValue() : KeyboardWord();
    state["opened"] = opened;
    state["spoken"] = spoken;
    state["slots"] = SlotsJson(f_);
    QJsonObject out{{"step", step},
                     {"action", QString::fromUtf8(action)},
                     {"trace", trace},
                     {"error", error_.empty() ? QJsonValue() : QJsonValue(QStringFromCp1252(error_))},
                     {"state", state}};
    if (traceLeftOut_ > 0) out["traceLeftOut"] = static_cast<qint64>(traceLeftOut_);
    const QByteArray bytes = QJsonDocument(out).toJson(QJsonDocument::Compact);
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
  }
  trace_.clear();
  traceLeftOut_ = 0;
  error_.clear();
  // Taken by the step: a long walkthrough keeps no more than one step's worth.
  platform_.opened.clear();
  platform_.spoken.clear();
  f_.audio.events.clear();
}

void Walkthrough::PrintCreate() { PrintStep(0, "create"); }

size_t Walkthrough::Run(std::vector<Action>& actions, size_t from,
                        const std::function<bool(std::vector<Action>&, bool exited)>& more) {
  // Actions made as play goes on (the monkey's) are let go once given, a
  // chunk at a time: a run of a million actions keeps a few hundred.
  constexpr size_t kGivenKept = 256;
  for (size_t i = from;; ++i) {
    if (more && i >= kGivenKept) {
      actions.erase(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(i));
      i = 0;
    }
    if (i >= actions.size() && !(more && more(actions, exited_) && i < actions.size())) break;
    const Action a = actions[i];
    // Past the program's end only a restart is given; the actions before it are
    // passed over (still counted as done, for the monkey's reports).
    if (exited_ && a.verb != "restart") {
      if (afterStep) afterStep(a);
      continue;
    }
    if (a.during) continue;  // queued with the action before it
    if (a.verb == "restart") {
      // The window ends as its close button ends it; the caller starts the game again.
      if (!exited_) window_.close();
      QCoreApplication::processEvents();
      PrintStep(a.step, a.text);
      if (afterStep) afterStep(a);
      return i + 1;
    }
    // The "> " actions written after this one are given while its script waits.
    Action last = a;
    for (size_t k = i + 1; k < actions.size() && actions[k].during; ++k) {
      pending_.push_back(actions[k]);
      last.step = actions[k].step;
    }
    Deliver(a);
    PrintStep(a.step, a.text);
    // Those its script never waited for are given now, when the player is idle.
    while (!pending_.empty() && !exited_) {
      const Action late = pending_.front();
      pending_.pop_front();
      Deliver(late);
      PrintStep(late.step, late.text);
    }
    pending_.clear();
    // Checked as the step of the last of them.
    if (afterStep) afterStep(last);
  }
  return kNoRestart;
}

void Walkthrough::DeliverDuring() {
  if (pending_.empty() || exited_ || f_.runDepth == 0) return;
  const Action a = pending_.front();
  pending_.pop_front();
  // The outer step's trace and error so far stay with it.
  auto trace = std::move(trace_);
  const size_t leftOut = traceLeftOut_;
  auto error = std::move(error_);
  auto audio = std::move(f_.audio.events);
  trace_.clear();
  traceLeftOut_ = 0;
  error_.clear();
  f_.audio.events.clear();
  Deliver(a);
  PrintStep(a.step, a.text);
  trace_ = std::move(trace);
  traceLeftOut_ = leftOut;
  error_ = std::move(error);
  f_.audio.events = std::move(audio);
}

void Walkthrough::Deliver(const Action& a) {
  const std::string& v = a.verb;
  if (v == "start") {
    // A click, then the double-click interval passes without a second one.
    window_.OpeningClick();
    window_.OpeningClickInterval();
  } else if (v == "resume") {
    window_.OpeningClick();
    window_.OpeningDoubleClick();
  } else if (v == "type") {
    Type(a.rest);
    Key("Enter", false);
  } else if (v == "key" && a.words.size() == 1) {
    Key(a.words[0], false);
  } else if (v == "tap" && a.words.size() == 1) {
    Key(a.words[0], true);
  } else if (v == "move" || v == "click" || v == "drag" || v == "tap" || v == "press" || v == "release") {
    if (!Mouse(a)) error_ = "walkthrough: cannot read " + a.text;
  } else if (v == "wheel" && (a.words.size() == 1 || a.words.size() == 3)) {
    Wheel(a);
  } else if (v == "follow" && !a.rest.empty()) {
    window_.FollowLink(a.rest);
  } else if (v == "link" && !a.rest.empty()) {
    // The game folder's address is percent-encoded already; the reference is
    // encoded as the web engine would report it.
    window_.FollowLink(f_.gameFolderUrl + "Scp=" + QUrl::toPercentEncoding(QString::fromUtf8(a.rest), "&=@/").toStdString());
  } else if (v == "wait" && a.words.size() == 1) {
    Wait(IntOr(a.words[0], 0));
  } else if (v == "quit") {
    // A press and a release at the button's middle, as the player gives them.
    QWidget* button = window_.Widgets().btFim;
    Action press = a;
    press.verb = "click";
    press.words = {"quit", IntToStr(button->width() / 2), IntToStr(button->height() / 2)};
    Mouse(press);
  } else if (v == "save" && !a.rest.empty()) {
    std::string id;
    window_.Enter([&] { id = SaveSlot(f_, Cp1252FromUtf8(a.rest)); });
    if (id.empty()) error_ = "walkthrough: cannot save now: " + a.text;
  } else if (v == "restore" && !a.rest.empty()) {
    bool restored = false;
    window_.Enter([&] { restored = RestoreSlot(f_, Cp1252FromUtf8(a.rest)); });
    if (!restored) error_ = "walkthrough: cannot restore " + a.rest;
  } else if (v == "undo" || v == "redo") {
    bool done = false;
    window_.Enter([&] { done = v == "undo" ? UndoStep(f_) : RedoStep(f_); });
    if (!done) error_ = "walkthrough: nothing to " + v;
  } else if (v == "expect") {
    Expect(a);
  } else if (v == "inspect") {
    if (!Inspect(a)) error_ = "walkthrough: cannot " + a.text;
  } else if (v == "close") {
    window_.close();
  } else if (v == "shot" && a.words.size() == 1) {
    const QString path = QDir(baseFolder).absoluteFilePath(QString::fromUtf8(a.words[0]));
    window_.Sync();
    if (!Screenshot().save(path)) error_ = "walkthrough: cannot save " + a.words[0];
  } else {
    error_ = "walkthrough: not available: " + a.text;
  }
  QCoreApplication::processEvents();
}

// An expect line that does not hold is told as a compiler tells an error, so
// an editor jumps to it; the play-through goes on, and its status will be 1.
void Walkthrough::Expect(const Action& a) {
  window_.Sync();
  const std::string failed = CheckExpectation(f_, a);
  if (failed.empty()) return;
  ++expectFailures_;
  const std::string told = fileName + ":" + IntToStr(a.line) + ": " + failed;
  AddError(Cp1252FromUtf8(told));
  std::fprintf(stderr, "%s\n", told.c_str());
}

QImage Walkthrough::Screenshot() {
  QImage shot = window_.grab().toImage().convertToFormat(QImage::Format_ARGB32);
  // A shaped window shows nothing outside its outline, whatever the platform.
  if (f_.shaped) {
    QImage cut(shot.size(), QImage::Format_ARGB32);
    // The window's own mask: the outline as shown, at the window's zoom.
    cut.setDevicePixelRatio(shot.devicePixelRatio());
    cut.fill(Qt::transparent);
    QPainter p(&cut);
    p.setClipRegion(window_.mask());
    p.drawImage(0, 0, shot);
    p.end();
    shot = cut;
  }
  return shot;
}

const std::vector<WalkKey>& WalkKeys() {
  static const std::vector<WalkKey> keys = {
      {"Enter", Qt::Key_Return, Qt::NoModifier}, {"F1", Qt::Key_F1, Qt::NoModifier},
      {"F2", Qt::Key_F2, Qt::NoModifier},        {"F3", Qt::Key_F3, Qt::NoModifier},
      {"F4", Qt::Key_F4, Qt::NoModifier},        {"F5", Qt::Key_F5, Qt::NoModifier},
      {"F9", Qt::Key_F9, Qt::NoModifier},        {"Up", Qt::Key_Up, Qt::NoModifier},
      {"Down", Qt::Key_Down, Qt::NoModifier},    {"Left", Qt::Key_Left, Qt::NoModifier},
      {"Right", Qt::Key_Right, Qt::NoModifier},  {"Tab", Qt::Key_Tab, Qt::NoModifier},
      {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier}, {"Space", Qt::Key_Space, Qt::NoModifier},
      {"F6", Qt::Key_F6, Qt::NoModifier},        {"Ctrl+plus", Qt::Key_Plus, Qt::ControlModifier},
      {"Ctrl+minus", Qt::Key_Minus, Qt::ControlModifier}, {"Ctrl+0", Qt::Key_0, Qt::ControlModifier}};
  return keys;
}

void Walkthrough::Key(const std::string& name, bool together) {
  for (const WalkKey& k : WalkKeys()) {
    if (name != k.word) continue;
    const QString text = k.key == Qt::Key_Space ? QStringLiteral(" ") : QString();
    if (together) {
      // Both in the queue before either is handled, as keys struck fast arrive.
      QWidget* target = KeyTarget();
      QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, k.key, k.modifiers, text));
      QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, k.key, k.modifiers, text));
    } else {
      SendKey(k.key, k.modifiers, text);
    }
    return;
  }
  error_ = "walkthrough: unknown key " + name;
}

// A key goes where the keyboard's focus really is, as the window system
// delivers it: the widget with Qt's focus, or the window when none has it.
QWidget* Walkthrough::KeyTarget() {
  if (QWidget* w = QApplication::focusWidget(); w && w->window() == &window_) return w;
  if (QWidget* w = window_.focusWidget()) return w;
  return &window_;
}

// The press and the release each go to the widget that has the focus when
// it happens: the press may move the focus.
void Walkthrough::SendKey(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QCoreApplication::sendEvent(KeyTarget(), &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QCoreApplication::sendEvent(KeyTarget(), &release);
}

void Walkthrough::Type(const std::string& utf8) {
  // The text replaces what the field holds, as when the player selects it all first.
  SendKey(Qt::Key_A, Qt::ControlModifier, QString());
  for (const char32_t c : QString::fromUtf8(utf8).toUcs4()) SendKey(Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(&c, 1));
}

// Which widget has the keyboard as the window system sees it, by the words of
// the automation; null for none of the window's.
QJsonValue Walkthrough::KeyboardWord() {
  QWidget* has = QApplication::focusWidget();
  if (!has || has->window() != &window_) has = window_.focusWidget();
  if (!has) return QJsonValue();
  const WindowWidgets& w = window_.Widgets();
  const struct {
    QWidget* widget;
    const char* word;
  } words[] = {{w.input, "input"}, {w.msgMd0, "memo0"}, {w.msg, "msg"}, {w.sbox2, lumora::Surface(SurfaceId::Tela3).automationWord}, {w.webPage, "web"}};
  for (const auto& [widget, word] : words)
    if (has == widget || widget->isAncestorOf(has)) return QString::fromLatin1(word);
  return has == &window_ ? QJsonValue(QStringLiteral("window")) : QJsonValue(QStringLiteral("other"));
}

QWidget* Walkthrough::Surface(const std::string& word) {
  if (word == "quit") return window_.Widgets().btFim;
  const SurfaceRow* row = AutomationSurface(word);
  return row ? window_.SurfaceWidget(row->id) : nullptr;
}

// move: the pointer moves there. click: a press and a release there, with no
// move first (the pointer may stand still since its last move, as a hand
// leaves it). tap: the press and the release arrive together, as a touchpad
// delivers them, queued before either is handled. drag: press, move, release.
// press and release: the button alone goes down or up there (a slow click is a
// press, a wait and a release).
bool Walkthrough::Mouse(const Action& a) {
  const size_t want = a.verb == "drag" ? 5 : 3;
  if (a.words.size() != want) return false;
  // The page in the web view gets the click on the element at that point.
  if (a.words[0] == "web") return a.verb == "click" && window_.Web().ClickAt(IntOr(a.words[1], 0), IntOr(a.words[2], 0));
  QWidget* target = Surface(a.words[0]);
  if (!target) return false;
  // Design pixels, at any zoom.
  const int zoom = window_.Zoom();
  auto point = [&](size_t i) { return QPointF(IntOr(a.words[i], 0) * zoom, IntOr(a.words[i + 1], 0) * zoom); };
  auto event = [&](QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    return new QMouseEvent(type, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier);
  };
  auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    std::unique_ptr<QMouseEvent> e(event(type, at, button, buttons));
    QCoreApplication::sendEvent(target, e.get());
  };
  const QPointF from = point(1);
  if (a.verb == "move") {
    send(QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
  } else if (a.verb == "press") {
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  } else if (a.verb == "release") {
    send(QEvent::MouseButtonRelease, from, Qt::LeftButton, Qt::NoButton);
  } else if (a.verb == "tap") {
    QCoreApplication::postEvent(target, event(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton));
    QCoreApplication::postEvent(target, event(QEvent::MouseButtonRelease, from, Qt::LeftButton, Qt::NoButton));
  } else {
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    QPointF to = from;
    if (a.verb == "drag") {
      to = point(3);
      send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    }
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
  }
  return true;
}

// The wheel turned at (X, Y) of the window in design pixels, by default the middle of the model-3
// page's scroll box: the event goes to the widget there, with that global
// position, as the window system would deliver it.
void Walkthrough::Wheel(const Action& a) {
  QPoint at;
  if (a.words.size() == 3) {
    at = QPoint(IntOr(a.words[1], 0), IntOr(a.words[2], 0)) * window_.Zoom();
  } else {
    QWidget* box = window_.Widgets().sbox2;
    at = box->mapTo(&window_, box->rect().center());
  }
  // The window system hands an unused wheel event on to the parents; an event
  // sent from here is not handed on by Qt, so the driver does it.
  const QPointF global = window_.mapToGlobal(QPointF(at));
  for (QWidget* w = window_.childAt(at); w; w = w->parentWidget()) {
    QWheelEvent e(w->mapFromGlobal(global), global, QPoint(), QPoint(0, IntOr(a.words[0], 0)), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &e);
    if (e.isAccepted() || w == &window_) break;
  }
  if (!window_.childAt(at)) {
    QWheelEvent e(QPointF(at), global, QPoint(), QPoint(0, IntOr(a.words[0], 0)), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&window_, &e);
  }
}

void Walkthrough::Wait(int ms) {
  if (headless_ && !window_.Web().Widget()) {
    // Idle time passes at once on the virtual clock; timers get their ticks.
    static_cast<HeadlessPlatform&>(platform_).Advance(ms);
    QCoreApplication::processEvents();
    return;
  }
  // The real web view works in real time, whatever the clock says.
  if (headless_) static_cast<HeadlessPlatform&>(platform_).Advance(ms);
  // An event loop that sleeps until its events or the end of the wait: polling
  // would keep a core busy and spoil any measure of what the game costs.
  QEventLoop loop;
  QTimer::singleShot(std::max(0, ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace lumora
