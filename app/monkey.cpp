// The monkey's child: the actions drawn from what the player could do, and the
// invariants checked after each. The supervisor is in monkey_supervisor.cpp.
#include "app/monkey.h"

#include <QApplication>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QUrl>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

#include "core/paths.h"
#include "core/script_error.h"
#include "core/strings.h"
#include "core/text1252.h"
#include "form/config.h"
#include "form/form1.h"
#include "form/surfaces.h"
#include "input/vocabulary.h"
#include "qt/main_window.h"
#include "state/state_files.h"

namespace lumora {

int MonkeyChildChannel() {
  const char* v = std::getenv("LUMORA_MONKEY_CHILD");
  if (!v || !*v) return -1;
  char* end = nullptr;
  const long fd = std::strtol(v, &end, 10);
  return (*end == '\0' && fd >= 0 && fd < 65536) ? static_cast<int>(fd) : -1;
}

namespace {

std::string U(const std::string& cp1252) { return Utf8FromCp1252(cp1252); }

// The surface rows whose areas a slot belongs to, for the link check.
bool SlotInGroup(int slot, const SlotGroup& g) { return slot >= g.first && slot <= g.last; }

// The widget that has the keyboard as the window system sees it, or null.
QWidget* KeyboardHolder(MainWindow& window) {
  QWidget* has = QApplication::focusWidget();
  if (!has || has->window() != &window) has = window.focusWidget();
  return has;
}

std::string Describe(const QWidget* w) {
  std::string name = w->objectName().toStdString();
  if (name.empty()) name = w->metaObject()->className();
  return name;
}

}  // namespace

namespace {

// The saved game loads as the game loader reads it, with as many registers as
// the configuration's register count line gives (count + 1 entries).
std::string SavedGameFault(TForm1& f) {
  if (!f.state.registersLoaded || !f.state.objectTableLoaded || !f.state.objsLoaded) return "";
  f.writer.Flush();  // the files as the last save left them
  GameState saved;
  try {
    if (LoadGameState(saved, f.gameFolder, f.stateFolder, f.gameName)) return "";  // nothing saved yet
  } catch (const ScriptError& e) {
    return std::string("saved game: it does not load: ") + U(e.what());
  }
  const int count = ConfigInt(f, kRegisterCount);
  const size_t want = static_cast<size_t>(std::max(0, count)) + 1;
  if (saved.registers.size() == want) return "";
  return "saved game: " + std::to_string(saved.registers.size()) + " registers in " + U(f.gameName) +
         ".rgs, the register count line says " + std::to_string(count) + " (" + std::to_string(want) + " entries)";
}

// The page shown is the display model's (or the map, or the download page),
// and the widgets show the pages the model has.
std::string PageFault(const TForm1& f, MainWindow& window) {
  const WindowWidgets& w = window.Widgets();
  if (f.Model() != DisplayModel::Other) {
    const std::string& page = f.Abok1.ActivePage();
    if (page != f.Modelo && page != "Mapa" && page != "Down")
      return "page: display model " + U(f.Modelo) + " but page " + U(page) + " shown";
  }
  if (w.abok0->currentIndex() != f.Abok0.pageIndex)
    return "page: the window shows page " + std::to_string(w.abok0->currentIndex()) + " of Abok0, the model " +
           std::to_string(f.Abok0.pageIndex);
  if (w.abok1->currentIndex() != f.Abok1.pageIndex)
    return "page: the window shows page " + std::to_string(w.abok1->currentIndex()) + " of Abok1, the model " +
           std::to_string(f.Abok1.pageIndex) + " (" + U(f.Abok1.ActivePage()) + ")";
  return "";
}

// Every active area has no negative size and lies on a surface that holds its
// slot: at least a pixel of it, or no click could ever reach it. (An area
// reaching past the edge is common in games: a picture link near it.)
std::string AreaFault(const TForm1& f, int slot) {
  const LinkRecord& r = f.links.records[static_cast<size_t>(slot)];
  const std::string where = "links: area " + std::to_string(slot) + " at " + std::to_string(r.left) + "," +
                            std::to_string(r.top) + " size " + std::to_string(r.width) + "x" +
                            std::to_string(r.height);
  if (r.width < 0 || r.height < 0) return where + " has a negative size";
  size_t count = 0;
  const SurfaceRow* rows = SurfaceRows(count);
  std::string surfaces;
  for (size_t k = 0; k < count; ++k) {
    const SurfaceRow& row = rows[k];
    if (!row.areas || !SlotInGroup(slot, *row.areas)) continue;
    const ImageBox& box = f.*row.control;
    // An area without a size is its corner.
    if (r.left < box.width && r.top < box.height && static_cast<int64_t>(r.left) + std::max(r.width, 1) > 0 &&
        static_cast<int64_t>(r.top) + std::max(r.height, 1) > 0)
      return "";
    surfaces += std::string(surfaces.empty() ? "" : ", ") + row.automationWord + " " + std::to_string(box.width) +
                "x" + std::to_string(box.height);
  }
  return where + " lies wholly outside its surface (" + surfaces + ")";
}

}  // namespace

std::string CheckInvariants(TForm1& f, MainWindow& window, bool exited) {
  if (std::string fault = SavedGameFault(f); !fault.empty() || exited) return fault;
  if (std::string fault = PageFault(f, window); !fault.empty()) return fault;
  // The widget with the keyboard is shown.
  if (QWidget* has = KeyboardHolder(window); has && !has->isVisible())
    return "keyboard: the hidden widget " + Describe(has) + " has the keyboard";
  for (int slot = 0; slot < static_cast<int>(f.links.records.size()); ++slot)
    if (f.links.records[static_cast<size_t>(slot)].active)
      if (std::string fault = AreaFault(f, slot); !fault.empty()) return fault;
  return "";
}

Monkey::Monkey(const Options& options, int channel)
    : generating_(!options.monkey.empty()),
      total_(options.monkeyActions),
      channel_(channel),
      outPath_(options.monkeyOut),
      rng_(options.monkeySeed) {}

Monkey::~Monkey() {
  if (out_) std::fclose(out_);
}

bool Monkey::Open(std::string& error) {
  if (!generating_ || outPath_.empty()) return true;
  out_ = std::fopen(outPath_.c_str(), "wb");
  if (!out_) error = "cannot write the monkey's walkthrough " + outPath_;
  return out_ != nullptr;
}

void Monkey::Report(const std::string& line) {
  const std::string text = line + "\n";
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(channel_, text.data() + done, text.size() - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
}

void Monkey::Check(TForm1& f, MainWindow& window, bool exited, const Action& done) {
  const std::string failed = CheckInvariants(f, window, exited);
  if (!failed.empty()) {
    Report("fail " + std::to_string(done.step) + " " + failed);
    if (out_) std::fflush(out_);
    std::_Exit(kMonkeyInvariantStatus);
  }
  Report("step " + std::to_string(done.step));
}

bool Monkey::More(const TForm1& f, MainWindow& window, bool exited, std::vector<Action>& actions) {
  if (!generating_ || written_ >= total_) return false;
  std::vector<std::string> lines = Draw(f, window, exited);
  if (lines.size() > static_cast<size_t>(total_ - written_)) lines.resize(static_cast<size_t>(total_ - written_));
  bool added = false;
  for (const std::string& line : lines) {
    Action a;
    if (!ParseActionLine(line, written_ + 1, a)) continue;
    ++written_;
    // Written before it is given: a crash leaves the culprit in the file.
    if (out_) {
      std::fputs((line + "\n").c_str(), out_);
      std::fflush(out_);
    }
    actions.push_back(std::move(a));
    added = true;
  }
  return added;
}

const std::vector<std::string>& Monkey::Phrases(const TForm1& f) {
  const std::string path = ResolvePath(f.gameFolder, f.vocabulary + ".scp");
  if (path == phrasesPath_) return phrases_;
  phrasesPath_ = path;
  phrases_.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) return phrases_;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (const VocabularyLine& line : ParseVocabulary(bytes).lines) {
    const std::string phrase = Trim(line.phrase);
    if (!phrase.empty() && phrase.size() < 200) phrases_.push_back(U(phrase));
  }
  return phrases_;
}

// Typed words: a phrase of the vocabulary, a word of one (the game answers with
// its suggestions) or one of the suggestions for a word, or garbage.
std::string Monkey::Words(const TForm1& f) {
  const std::vector<std::string>& phrases = Phrases(f);
  const int kind = static_cast<int>(Below(10));
  if (!phrases.empty() && kind < 6) return phrases[Below(phrases.size())];
  if (!phrases.empty() && kind < 8) {
    std::istringstream in(phrases[Below(phrases.size())]);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    if (!words.empty()) {
      const std::string word = words[Below(words.size())];
      if (kind == 7) {
        // One of the suggestions for that word, as the game lists them.
        Vocabulary v;
        for (const std::string& p : phrases) v.lines.push_back({Cp1252FromUtf8(p), ""});
        std::istringstream list(v.Suggest(Cp1252FromUtf8(word), ""));
        std::vector<std::string> suggested;
        for (std::string line; std::getline(list, line);) {
          line = Trim(line);
          if (!line.empty()) suggested.push_back(U(line));
        }
        if (!suggested.empty()) return suggested[Below(suggested.size())];
      }
      return word;
    }
  }
  static const char* const kPieces[] = {"a", "e", "o", "n", "s", "x", "z", "q", "1", "9", " ", " ", "-", ".", ",",
                                        "?", "!", "/", "|", "=", "%", "&", "\"", "'", "@", "$", "~", "\\", "<",
                                        ">", "á", "ç", "ã", "é", "õ", "ü", "ñ", "€", "ß", "Ж", "中", "🙂"};
  std::string text;
  const int length = Chance(10) ? Between(30, 120) : Between(1, 12);
  for (int i = 0; i < length; ++i) text += kPieces[Below(std::size(kPieces))];
  if (Trim(text).empty()) text = "x" + text;
  return text;
}

std::vector<std::string> Monkey::KeyAction() {
  static const char* const kKeys[] = {"Up",    "Down", "Left", "Right", "Tab", "Shift+Tab", "Enter", "Enter",
                                      "Space", "F1",   "F2",   "F3",    "F4",  "F5",        "F6"};
  static const char* const kZoom[] = {"Ctrl+plus", "Ctrl+minus", "Ctrl+0"};
  const std::string key = Chance(8) ? kZoom[Below(std::size(kZoom))] : kKeys[Below(std::size(kKeys))];
  // Keys struck fast: press and release arrive together.
  return {(Chance(20) ? "tap " : "key ") + key};
}

// A point on a shown surface, "S X Y": inside one of its active areas when
// asked and there is one, else anywhere on it (now and then a little beyond its
// edges); "" when no surface is shown.
std::string Monkey::Spot(const TForm1& f, MainWindow& window, bool inside) {
  struct Target {
    const SurfaceRow* row;
    int width, height;
  };
  std::vector<Target> shown;
  size_t count = 0;
  const SurfaceRow* rows = SurfaceRows(count);
  const int zoom = std::max(1, window.Zoom());
  for (size_t i = 0; i < count; ++i) {
    QWidget* w = window.SurfaceWidget(rows[i].id);
    if (!w || !w->isVisible() || w->width() <= 0 || w->height() <= 0) continue;
    shown.push_back({&rows[i], w->width() / zoom, w->height() / zoom});
  }
  if (shown.empty()) return "";
  const Target* t = &shown[Below(shown.size())];
  int x = 0, y = 0;
  bool placed = false;
  if (inside) {
    std::vector<std::pair<const Target*, const LinkRecord*>> areas;
    for (const Target& s : shown) {
      if (!s.row->areas) continue;
      for (int slot = s.row->areas->first; slot <= s.row->areas->last; ++slot) {
        const LinkRecord& r = f.links.records[static_cast<size_t>(slot)];
        if (r.active) areas.push_back({&s, &r});
      }
    }
    if (!areas.empty()) {
      const auto& [s, r] = areas[Below(areas.size())];
      t = s;
      x = r->left + (r->width > 0 ? static_cast<int>(Below(static_cast<uint64_t>(r->width))) : 0);
      y = r->top + (r->height > 0 ? static_cast<int>(Below(static_cast<uint64_t>(r->height))) : 0);
      placed = true;
    }
  }
  if (!placed) {
    const int margin = Chance(10) ? 8 : 0;
    x = Between(-margin, std::max(0, t->width - 1) + margin);
    y = Between(-margin, std::max(0, t->height - 1) + margin);
  }
  return std::string(t->row->automationWord) + " " + std::to_string(x) + " " + std::to_string(y);
}

// A click there: a quick one, a touchpad's tap, one after a move, or a slow one
// (the button held a while).
std::vector<std::string> Monkey::ClickSomewhere(const TForm1& f, MainWindow& window, bool inside) {
  const std::string at = Spot(f, window, inside);
  if (at.empty()) return {"wait 10"};
  const int how = static_cast<int>(Below(20));
  if (how < 8) return {"click " + at};
  if (how < 12) return {"tap " + at};
  if (how < 16) {
    const std::string from = Spot(f, window, false);
    return {"move " + (from.empty() ? at : from), "click " + at};
  }
  return {"press " + at, "wait " + std::to_string(Between(200, 1500)), "release " + at};
}

// The opening picture: start or resume mostly.
std::vector<std::string> Monkey::OpeningAction(const TForm1& f, MainWindow& window, int width, int height) {
  const int roll = static_cast<int>(Below(100));
  if (roll < 35) return {"start"};
  if (roll < 60) return {"resume"};
  if (roll < 75) return ClickSomewhere(f, window, false);
  if (roll < 82)
    return {"drag aber " + std::to_string(Between(0, width)) + " " + std::to_string(Between(0, height)) + " " +
            std::to_string(Between(0, width)) + " " + std::to_string(Between(0, height))};
  if (roll < 95) return KeyAction();
  if (roll < 98) return {"wait " + std::to_string(Between(10, 2000))};
  return {"restart"};
}

// The links of the page shown (model 2), as a walkthrough's "link" names them.
static std::vector<std::string> PageLinks(const TForm1& f) {
  static const QRegularExpression kScp(QStringLiteral("Scp=([^\"'> ]+)"), QRegularExpression::CaseInsensitiveOption);
  std::vector<std::string> refs;
  if (f.Model() != DisplayModel::Page) return refs;
  for (const std::string& line : f.page.lastWritten)
    for (auto m = kScp.globalMatch(QString::fromStdString(U(line))); m.hasNext();)
      refs.push_back(QUrl::fromPercentEncoding(m.next().captured(1).toUtf8()).toStdString());
  return refs;
}

// A drag of the window (its background), of the map, or across any surface.
std::vector<std::string> Monkey::DragAction(const TForm1& f, MainWindow& window, int width, int height) {
  std::string what = Chance(40) ? "pan" : (Chance(50) && window.Widgets().mapJog->isVisible() ? "map" : "");
  if (what.empty()) {
    const std::string at = Spot(f, window, false);
    what = at.empty() ? "pan" : at.substr(0, at.find(' '));
  }
  return {"drag " + what + " " + std::to_string(Between(0, width)) + " " + std::to_string(Between(0, height)) + " " +
          std::to_string(Between(-40, width + 40)) + " " + std::to_string(Between(-40, height + 40))};
}

// Quit and resume: the quit button, the close button, or at once; the game
// starts again from its saved files.
std::vector<std::string> Monkey::RestartAction(MainWindow& window) {
  const int how = static_cast<int>(Below(3));
  if (how == 0 && window.Widgets().btFim->isVisible()) return {"quit", "restart"};
  if (how == 1) return {"close", "restart"};
  return {"restart"};
}

std::vector<std::string> Monkey::Draw(const TForm1& f, MainWindow& window, bool exited) {
  if (exited) return {"restart"};
  const int zoom = std::max(1, window.Zoom());
  const int width = std::max(1, window.width() / zoom), height = std::max(1, window.height() / zoom);
  if (f.Abok0.pageIndex == kOpeningPage) return OpeningAction(f, window, width, height);
  std::vector<std::string> lines;
  const int roll = static_cast<int>(Below(1000));
  bool startsRun = false;
  if (roll < 300) {
    lines = ClickSomewhere(f, window, true);
    startsRun = true;
  } else if (roll < 380) {
    lines = ClickSomewhere(f, window, false);
  } else if (roll < 410) {
    const std::string at = Spot(f, window, Chance(50));
    lines = {at.empty() ? "wait 10" : "move " + at};
  } else if (roll < 460) {
    lines = DragAction(f, window, width, height);
  } else if (roll < 500) {
    const std::string delta = std::to_string((Chance(50) ? 1 : -1) * 120 * Between(1, 3));
    lines = {Chance(50) ? "wheel " + delta
                        : "wheel " + delta + " " + std::to_string(Between(0, width - 1)) + " " +
                              std::to_string(Between(0, height - 1))};
  } else if (roll < 640) {
    lines = KeyAction();
    startsRun = lines[0].find("Enter") != std::string::npos;
  } else if (roll < 930) {
    const std::vector<std::string> refs = roll >= 860 ? PageLinks(f) : std::vector<std::string>();
    lines = {refs.empty() ? "type " + Words(f) : "link " + refs[Below(refs.size())]};
    startsRun = true;
  } else if (roll < 975) {
    lines = {"wait " + std::to_string(Chance(70) ? Between(10, 500) : Between(500, 3000))};
  } else if (roll < 990) {
    lines = {Chance(20) ? "tap F" + std::to_string(Between(1, 6)) : "key Ctrl+" + std::string(Chance(50) ? "plus" : "minus")};
  } else {
    lines = RestartAction(window);
  }
  // Now and then the player goes on while the script runs: "> " actions.
  if (startsRun && Chance(8)) {
    const int extra = Between(1, 2);
    for (int i = 0; i < extra; ++i) {
      std::vector<std::string> more;
      switch (Below(3)) {
        case 0: more = KeyAction(); break;
        case 1: more = {"type " + Words(f)}; break;
        default: more = ClickSomewhere(f, window, Chance(50)); break;
      }
      for (const std::string& m : more) lines.push_back("> " + m);
    }
  }
  return lines;
}

}  // namespace lumora
