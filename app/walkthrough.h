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
  bool during = false;  // written "> ": delivered while a script processes messages
  std::string verb;
  std::vector<std::string> words;  // the arguments, split at blanks
  std::string rest;                // everything after the verb, as written
  std::string text;                // the whole line as written
};

// Reads a walkthrough (UTF-8, "#" comments and blank lines skipped).
bool ParseWalkthrough(const std::string& path, std::vector<Action>& actions, std::string& error);

class Walkthrough {
 public:
  Walkthrough(TForm1& form, MainWindow& window, QtPlatform& platform, bool json, bool headless);
  ~Walkthrough();

  // Prints step 0, after creation; error is what creation reported, or empty.
  void PrintCreate();
  // Delivers every action in order; returns when done or when the program ended.
  void Run(const std::vector<Action>& actions);
  // Shutdown has happened (quit, close or the end of the walkthrough).
  void MarkExited() { exited_ = true; }
  // Where files named by the walkthrough are relative to.
  QString baseFolder;
  std::function<void()> destroy;  // runs shutdown once

 private:
  void Deliver(const Action& a);
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
};

}  // namespace lumora
