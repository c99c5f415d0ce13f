// The start-up reference for the player: a bare Qt Widgets program that opens a
// frameless 900 by 420 window with one picture and one line of text, and quits
// as soon as the window has been shown and painted once.
//   lumora_startup_bare [PICTURE]   (without one, a picture drawn in memory)
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// The picture label quits the program once it has painted: the window and its
// two labels are painted in the same pass.
class PictureLabel : public QLabel {
 protected:
  void paintEvent(QPaintEvent* e) override {
    QLabel::paintEvent(e);
    if (painted_) return;
    painted_ = true;
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  }

 private:
  bool painted_ = false;
};

QPixmap DrawnPicture() {
  QPixmap pixmap(900, 390);
  pixmap.fill(QColor(0x20, 0x30, 0x60));
  QPainter p(&pixmap);
  p.setBrush(QColor(0xE0, 0xC0, 0x40));
  p.drawEllipse(380, 120, 140, 140);
  return pixmap;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  window.setFixedSize(900, 420);
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* picture = new PictureLabel;
  QPixmap pixmap;
  if (argc < 2 || !pixmap.load(QString::fromLocal8Bit(argv[1]))) pixmap = DrawnPicture();
  picture->setPixmap(pixmap);
  picture->setAlignment(Qt::AlignCenter);
  auto* text = new QLabel(QStringLiteral("Clique na imagem para come\u00E7ar."));
  layout->addWidget(picture, 1);
  layout->addWidget(text);
  window.show();
  return app.exec();
}
