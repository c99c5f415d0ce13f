// The window's widgets, built once in the shape of the window description.
#include "qt/window_view.h"

namespace lumora {
namespace {

void BuildGamePage(QWidget* page, const TForm1& f, WindowWidgets& w) {
  w.imp = new ImageWidget(f.Imp, page);
  w.btFim = new ImageWidget(f.btFim, page);
  w.lbFim = new QLabel(page);
  w.abok2 = new QStackedWidget(page);
  auto* panel = new QWidget;
  w.abok2->addWidget(panel);
  w.telCmd = new ImageWidget(f.TelCmd, panel);
  w.input = new InputWidget(f.Input, page);
  w.abok1 = new QStackedWidget(page);
}

void BuildDisplayPages(const TForm1& f, WindowWidgets& w) {
  auto* page1 = new QWidget;
  w.panTel = new QWidget(page1);
  w.tela = new ImageWidget(f.Tela, w.panTel);
  w.msg = new MemoWidget(f.Msg, page1);
  auto* page0 = new QWidget;
  w.barraTop = new QWidget(page0);
  w.msgMd0 = new MemoWidget(f.MsgMd0, page0);
  w.webPage = new QWidget;
  auto* pageMap = new QWidget;
  w.sbc1 = new QScrollArea(pageMap);
  auto* mapInner = new QWidget;
  w.mapJog = new ImageWidget(f.MapJog, mapInner);
  w.voce = new ImageWidget(f.Voce, mapInner);
  w.sbc1->setWidget(mapInner);
  auto* page3 = new QWidget;
  w.sbox2 = new QScrollArea(page3);
  auto* inner3 = new QWidget;
  w.tela3 = new ImageWidget(f.Tela3, inner3);
  w.sbox2->setWidget(inner3);
  w.sbox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Given the focus by "setmode= 3": the arrow and page keys scroll the page.
  w.sbox2->setFocusPolicy(Qt::StrongFocus);
  auto* pageDown = new QWidget;
  w.label2 = new QLabel(pageDown);
  for (QWidget* p : {page1, page0, w.webPage, pageMap, page3, pageDown}) {
    // Pages paint in their notebook's colour, which they inherit.
    p->setAutoFillBackground(true);
    w.abok1->addWidget(p);
  }
  for (QScrollArea* s : {w.sbc1, w.sbox2}) s->setFrameShape(QFrame::NoFrame);
  // The message line is a plain memo: no scroll bars, next to no margin.
  w.msg->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  w.msg->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (MemoWidget* m : {w.msg, w.msgMd0}) m->document()->setDocumentMargin(1);
  w.msgMd0->followEnd = true;
}

}  // namespace

WindowWidgets BuildWindowWidgets(QWidget* window, const TForm1& f) {
  WindowWidgets w;
  w.abok0 = new QStackedWidget(window);
  auto* gamePage = new QWidget;
  auto* imagesPage = new QWidget;
  auto* openingPage = new QWidget;
  w.abok0->addWidget(gamePage);
  w.abok0->addWidget(imagesPage);
  w.abok0->addWidget(openingPage);
  BuildGamePage(gamePage, f, w);
  BuildDisplayPages(f, w);
  w.telAber = new ImageWidget(f.TelAber, openingPage);
  w.notice = new QLabel(window);
  w.notice->setStyleSheet(QStringLiteral("background:#FFFFE0;color:black;border:1px solid black;padding:4px"));
  w.notice->hide();
  return w;
}

}  // namespace lumora
