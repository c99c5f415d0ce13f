// The walkthrough driver: scripted player actions, one JSON step each.
#pragma once
#include <QImage>
#include <QJsonValue>
#include <QString>
#include <QWidget>
#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace lumora {

struct TForm1;
class MainWindow;
class QtPlatform;

struct Action {
  int step = 0;         // its number: its place among the file's actions
  int line = 0;         // its line in the file (from 1), for the author's messages
  bool during = false;  // written "> ": delivered while a script processes messages
  std::string verb;
  std::vector<std::string> words;  // the arguments, split at blanks
  std::string rest;                // everything after the verb, as written
  std::string text;                // the whole line as written
  // The rest after its first n words, trimmed, blanks inside kept: a value
  // that holds blanks ("expect reg 3 a porta", "inspect reg 3 a porta").
  std::string After(size_t n) const;
};

// The keys a walkthrough names ("key F1", "key Shift+Tab").
struct WalkKey {
  const char* word;
  int key;
  Qt::KeyboardModifiers modifiers;
};
const std::vector<WalkKey>& WalkKeys();

// Reads a walkthrough (UTF-8, "#" comments and blank lines skipped).
bool ParseWalkthrough(const std::string& path, std::vector<Action>& actions, std::string& error);
// Reads one line as an action numbered step; false for a blank or comment line.
bool ParseActionLine(const std::string& line, int step, Action& action);

class Walkthrough {
 public:
  Walkthrough(TForm1& form, MainWindow& window, QtPlatform& platform, bool json, bool headless);
  ~Walkthrough();

  // Prints step 0, after creation; error is what creation reported, or empty.
  void PrintCreate();
  // Delivers the actions from index from on, in order; returns when done or when
  // the program ended. When they run out, more (if set) may append others; it is
  // told whether the program has ended. A "restart" ends the window (when the
  // program has not ended already) and returns the index after it: the caller
  // starts the game again from its saved files and goes on from there. Returns
  // kNoRestart otherwise. With more set, the actions given are removed from
  // the front now and then; the index returned counts from what is left.
  static constexpr size_t kNoRestart = static_cast<size_t>(-1);
  size_t Run(std::vector<Action>& actions, size_t from = 0,
             const std::function<bool(std::vector<Action>&, bool exited)>& more = nullptr);
  // Called after each action given when the player is idle (with the "> "
  // actions that followed it, as the step of the last), its step printed, and
  // for each action passed over after the program's end: where the monkey checks.
  std::function<void(const Action&)> afterStep;
  bool Exited() const { return exited_; }
  // What creation reported when the window was started again (restart): given
  // with the next step.
  void AddError(const std::string& text) {
    if (!error_.empty()) error_ += "\n";
    error_ += text;
  }
  // Shutdown has happened (quit, close or the end of the walkthrough).
  void MarkExited() { exited_ = true; }
  // Where files named by the walkthrough are relative to.
  QString baseFolder;
  // The walkthrough's file as the author named it, for the expect lines' messages.
  std::string fileName;
  // The expect lines that did not hold.
  int ExpectFailures() const { return expectFailures_; }

 private:
  void Deliver(const Action& a);
  void Expect(const Action& a);
  void DeliverDuring();
  void PrintStep(int step, const std::string& action);
  bool Mouse(const Action& a);
  // Types the text key by key into the input line, as the player would.
  void Type(const std::string& utf8);
  // A named key pressed and released; together: both queued at once.
  void Key(const std::string& name, bool together);
  QJsonValue KeyboardWord();
  QWidget* KeyTarget();
  void SendKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);
  // The widget showing a surface word of the automation ("tel", "fnc", ...).
  QWidget* Surface(const std::string& word);
  void Wait(int ms);
  // inspect reg N TEXT, inspect obj KEY PLACE, inspect go PLACE: the
  // inspector's edits, held while a script runs as the inspector's are.
  bool Inspect(const Action& a);
  void Wheel(const Action& a);
  QImage Screenshot();

  TForm1& f_;
  MainWindow& window_;
  QtPlatform& platform_;
  bool json_, headless_;
  bool exited_ = false;
  std::deque<Action> pending_;  // "> " actions waiting for a running script
  std::vector<std::string> trace_;
  size_t traceLeftOut_ = 0;  // lines of this step beyond kMaxStepTrace
  static constexpr size_t kMaxStepTrace = 10000;
  std::string error_;
  int traceId_ = 0;
  int expectFailures_ = 0;
};

}  // namespace lumora
