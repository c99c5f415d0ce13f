// The web-page reference for the player: a bare QWebEngineView in a 900 by 420
// window loads the page files given, one after another, each once the one
// before has finished loading, and quits after the last.
//   lumora_web_page_bare PAGE.htm...
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: lumora_web_page_bare PAGE.htm...\n");
    return 2;
  }
  QWebEngineView view;
  view.resize(900, 420);
  view.show();
  int next = 1;
  const auto load = [&] { view.setUrl(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[next++]))); };
  QObject::connect(&view, &QWebEngineView::loadFinished, [&](bool) {
    if (next < argc) load();
    else app.quit();
  });
  load();
  return app.exec();
}
