// The widgets that show the form model's components.
#pragma once
#include <QCursor>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "core/zoom.h"
#include "form/components.h"

namespace lumora {

QFont ToQFont(const FontSpec& font);
// The pointer shapes of the cursor kinds, each distinguishable from the others.
QCursor ToQCursor(Cursor cursor);
// Gives the widget the pointer shape of a cursor kind, when it has another.
void SetShownCursor(QWidget* w, Cursor cursor);

// A design rectangle or length as shown at a zoom.
inline QRect Zoomed(const QRect& r, int zoom) { return QRect(r.topLeft() * zoom, r.size() * zoom); }
// The same for a component's place and size as the game set them, at any
// extreme (ZoomedRect).
inline QRect ZoomedBounds(int64_t left, int64_t top, int64_t width, int64_t height, int zoom) {
  const ShownRect r = ZoomedRect(left, top, width, height, zoom);
  return QRect(r.left, r.top, r.width, r.height);
}
// A point of a zoomed widget in design pixels: the design pixel it lies on.
inline QPoint Unzoomed(QPointF at, int zoom) {
  return QPoint(static_cast<int>(std::floor(at.x() / zoom)), static_cast<int>(std::floor(at.y() / zoom)));
}

// Mouse events a surface forwards to the engine, in that surface's design
// pixels, any button; what they lead to is the engine's.
struct MouseHandlers {
  std::function<void(int x, int y)> press, release, move, doubleClick;
};

// Paints the picture of an ImageBox, stretched to the widget or at its origin,
// each design pixel as zoom by zoom screen pixels (no smoothing: pixel art
// stays crisp).
class ImageWidget : public QWidget {
 public:
  ImageWidget(const ImageBox& box, QWidget* parent);
  const ImageBox& box;
  MouseHandlers handlers;
  qint64 shownKey = -1;  // the picture's cache key when last painted
  // The keyboard's focus ring over a clickable area, in the box's pixels; empty for none.
  QRect focusRing;
  // The author's inspector outlines the active clickable areas, in the box's
  // pixels; empty while it is closed.
  std::vector<QRect> outlines;
  int zoom = 1;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;

 private:
  const QImage& Shown();
  QImage keyed_;  // the picture without its transparent colour
  qint64 keyedFrom_ = -1;
};

// A read-only memo; text arrives Windows-1252 with CR LF line breaks.
class MemoWidget : public QPlainTextEdit {
 public:
  MemoWidget(const Memo& memo, QWidget* parent);
  const Memo& memo;
  // Brings the shown text in line with the model; an appended tail is inserted
  // without rebuilding the document, so letter-by-letter typing stays cheap.
  // Of a long text, only a part is laid out: its start, or its end when the
  // memo follows the end.
  void SyncText();
  // The typed memo follows its text to the end; the message line shows its top.
  bool followEnd = false;
  // The most of its text a memo lays out. Laid out, a character costs some
  // fifty bytes: a 50 MB message would take gigabytes and many seconds, for a
  // message line that shows a few of its lines. The message line shows the
  // start of a longer text, the typed memo its end, with far more to scroll
  // back through than anyone reads; ordinary texts are shown whole.
  static constexpr size_t kShownChars = 256 * 1024;

 private:
  // The document holds text[shownFrom_, shownFrom_ + shown_.size()), a copy
  // of which is shown_.
  std::string shown_;
  size_t shownFrom_ = 0;
  int run_ = 0;  // letters since the last blank or break opportunity shown
};

// The one-line input. An edit goes to the engine, Windows-1252, and the field
// then shows the model's text (upper case for an upper-case entry).
class InputWidget : public QLineEdit {
 public:
  InputWidget(const Edit& edit, QWidget* parent);
  const Edit& edit;
  // A key released, repeats left out: true when the engine took it as a command.
  std::function<bool(int key)> onKeyRelease;
  std::function<void(int key)> onKeyDown;  // every key pressed, repeats included
  std::function<void(const std::string& text)> onEdited;
  // Brings the shown text in line with the model.
  void SyncText();

 protected:
  void keyPressEvent(QKeyEvent*) override;
  void keyReleaseEvent(QKeyEvent*) override;
};

}  // namespace lumora
