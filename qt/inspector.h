// The author's inspector (F12): a window of its own beside the game's that
// shows the registers, the objects by place, the running script, the exits,
// the active clickable areas and the last trace lines, and forwards the
// author's edits (a register, an object's place, a place to go to) as
// entries between runs. It exists only while it is open.
#pragma once
#include <QWidget>
#include <cstdint>

#include "shell/inspect.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

namespace lumora {

class MainWindow;
struct TForm1;

class Inspector : public QWidget {
 public:
  Inspector(MainWindow& window, TForm1& f);
  // Takes the area outlines off the game window.
  ~Inspector() override;
  // Brings the outlines in line with the link table, and, between runs, the
  // tables with the model.
  void Refresh();
  std::function<void()> onClosed;

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  QWidget* RegistersPage();
  QWidget* ObjectsPage();
  void FillRegisters();
  void FillObjects();
  void FillExits();
  void FillAreas();
  void FillTrace();
  void ShowOutlines(bool shown);
  void GoTo(const QString& place);
  void PlaceBeside(const QWidget& game);

  MainWindow& window_;
  TForm1& f_;
  RunWatch watch_;
  TraceTail trace_;
  QLabel* running_ = nullptr;
  QTableWidget *registers_ = nullptr, *objects_ = nullptr, *exits_ = nullptr, *areas_ = nullptr;
  QPlainTextEdit* traceView_ = nullptr;
  QLineEdit* place_ = nullptr;
  bool filling_ = false;       // the tables are being filled: their changes are not the author's
  uint64_t traceShown_ = ~uint64_t{0};
};

}  // namespace lumora
