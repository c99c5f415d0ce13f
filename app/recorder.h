// Recording a session as a walkthrough: what the player does in the window,
// written as the walkthrough's own verbs, so the play-through replays to the
// same end (both start from the game's shipped state and the start seed).
#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QEvent>
#include <QPoint>
#include <fstream>
#include <string>

namespace lumora {

struct TForm1;
class MainWindow;

class Recorder : public QObject {
 public:
  // Writes to path (UTF-8 lines, each flushed as it comes: a session that
  // crashes keeps what it did). Good() tells whether the file could be made.
  explicit Recorder(const std::string& path);
  ~Recorder() override;
  bool Good() const { return out_.good(); }
  // Listens to one window of the session (a restarted game is another).
  void Attach(MainWindow& window, TForm1& form);
  void Detach();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void Write(const std::string& line);
  void Mouse(QWidget* widget, QEvent* e);
  void Key(QWidget* widget, QEvent* e);
  // The walkthrough's word for a widget the player clicks, or "" for none.
  std::string SurfaceWord(QWidget* widget) const;

  std::ofstream out_;
  MainWindow* window_ = nullptr;
  TForm1* form_ = nullptr;
  QElapsedTimer sinceLast_;
  // A button press waiting for its release: where, on which surface.
  std::string pressedOn_;
  QPoint pressedAt_;
};

}  // namespace lumora
