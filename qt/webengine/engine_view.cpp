// The QtWebEngine view, built as a module that the player loads when it first
// shows a model-2 page.
#include <QCoreApplication>
#include <QObject>
#include <QOpenGLContext>
#include <QPointer>
#include <QSurfaceFormat>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "qt/web_engine_view.h"

// QtGui's setter of the context that QtWebEngine shares its textures through;
// exported for QtWebEngine's own initialisation, not in the public headers.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace lumora {
namespace {

// QtWebEngine expects the application to have made a shared OpenGL context at
// start (Qt::AA_ShareOpenGLContexts), and crashes under X without one. The
// player makes none at start, as that is what costs a game without pages the
// most; the module makes it here, before the first view, as QGuiApplication
// would have: kept even when it cannot be created (no OpenGL, as on the
// offscreen platform), and the view then draws without it.
void ShareOpenGLContext() {
  if (QOpenGLContext::globalShareContext()) return;
  auto* context = new QOpenGLContext(qApp);
  context->setFormat(QSurfaceFormat::defaultFormat());
  context->create();
  qt_gl_set_global_share_context(context);
  // Qt warns that the flag comes late; the context it stands for exists now.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

// Refuses navigations to script links, so the view never shows an error page,
// and hands the address on through the event loop: nothing runs a script from
// inside the engine's callback.
class GamePage : public QWebEnginePage {
 public:
  GamePage(std::function<void(const std::string&)> link, QObject* guard, QObject* parent)
      : QWebEnginePage(parent), link_(std::move(link)), guard_(guard) {}

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
    const QByteArray address = url.toEncoded();
    if (!address.contains("Scp=")) return true;
    if (guard_ && link_)
      QTimer::singleShot(0, guard_.data(), [link = link_, reported = address.toStdString()] { link(reported); });
    return false;
  }

 private:
  std::function<void(const std::string&)> link_;
  QPointer<QObject> guard_;
};

class EngineView : public WebEngineView {
 public:
  EngineView(QWidget* parent, WebEngineEvents events) : view_(new QWebEngineView(parent)) {
    view_->setPage(new GamePage(std::move(events.link), &guard_, view_));
    // Game pages are written in Windows-1252.
    view_->settings()->setDefaultTextEncoding(QStringLiteral("windows-1252"));
    view_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    QObject::connect(view_, &QWebEngineView::loadStarted, &guard_, std::move(events.loadStarted));
    QObject::connect(view_, &QWebEngineView::loadFinished, &guard_,
                     [finished = std::move(events.loadFinished)](bool) { finished(); });
    view_->show();
  }

  QWidget* Widget() override { return view_; }
  void Stop() override {
    if (view_) view_->stop();
  }
  void SetHtml(const QString& html, const QUrl& baseUrl) override {
    if (view_) view_->setHtml(html, baseUrl);
  }
  void SetUrl(const QUrl& url) override {
    if (view_) view_->setUrl(url);
  }
  void Focus() override {
    if (view_) view_->setFocus();
  }
  void RunJavaScript(const QString& script) override {
    if (view_) view_->page()->runJavaScript(script);
  }
  void SetZoomFactor(double factor) override {
    if (view_) view_->setZoomFactor(factor);
  }

 private:
  // The context of the view's signals and queued links: once the front end lets
  // go of this object, nothing calls back into it.
  QObject guard_;
  QPointer<QWebEngineView> view_;  // owned by its parent widget
};

}  // namespace
}  // namespace lumora

extern "C" Q_DECL_EXPORT lumora::WebEngineView* LumoraCreateWebEngineView(QWidget* parent,
                                                                         lumora::WebEngineEvents* events) {
  lumora::ShareOpenGLContext();
  return new lumora::EngineView(parent, std::move(*events));
}
