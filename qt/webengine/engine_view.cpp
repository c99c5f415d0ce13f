// The QtWebEngine view, built as a module that the player loads when it first
// shows a model-2 page.
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QObject>
#include <QOpenGLContext>
#include <QPointer>
#include <QSurfaceFormat>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineHistory>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>
#include <functional>

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

// A page reads the game's files and its own document, nothing else: a script's
// request for the player's other files (a synchronous XMLHttpRequest for
// file:///etc/passwd, handed on through a script link) fails, as does every
// picture, frame or request that leaves the game or goes to the network.
// QtWebEngine's own check comes first and lets a local page read local files
// only while LocalContentCanAccessFileUrls is on (off, it refuses the game's
// pictures too, before asking any interceptor): this interceptor, which the
// profile asks about every request, file and network alike, is what keeps the
// pages inside the game.
class PageReach : public QWebEngineUrlRequestInterceptor {
 public:
  PageReach(std::function<bool(const QString&)> mayRead, QObject* parent)
      : QWebEngineUrlRequestInterceptor(parent), mayRead_(std::move(mayRead)) {}
  // Nothing is read any more: the front end that answered has let go.
  void Close() { mayRead_ = nullptr; }

  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    const QUrl url = info.requestUrl();
    // What the page holds already: the document the player loads from memory
    // (a data: address) and the blobs its script makes.
    if (url.scheme() == QLatin1String("data") || url.scheme() == QLatin1String("blob")) return;
    // A file on this machine only: a host would be read as part of the path here
    // ("//host/path") and perhaps not so by the engine.
    if (url.isLocalFile() && url.host().isEmpty() && mayRead_ && mayRead_(url.toLocalFile())) return;
    info.block(true);
  }

 private:
  std::function<bool(const QString&)> mayRead_;
};

// Shows the pages the player gives it and nothing else. A script link ("Scp="
// in its address) is refused, so the view never shows an error page, and its
// address handed on through the event loop: nothing runs a script from inside
// the engine's callback. A web address goes to the system's browser the same
// way. Any other change of the page (a link or a script going to another file,
// a form) is refused: the page stays as the game wrote it.
class GamePage : public QWebEnginePage {
 public:
  GamePage(WebEngineEvents& events, QObject* guard, QObject* parent)
      : QWebEnginePage(parent),
        link_(std::move(events.link)),
        webAddress_(std::move(events.webAddress)),
        guard_(guard) {}

  // The player is about to show the file at that address, or a document from memory.
  void Expect(const QUrl& url) {
    shown_ = url.adjusted(QUrl::RemoveFragment);
    html_ = false;
  }
  void ExpectHtml() {
    shown_ = QUrl();
    html_ = true;
  }

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
    const QByteArray address = url.toEncoded();
    if (address.contains("Scp=")) {
      Report(link_, address);
      return false;
    }
    // A frame inside the page: what it may load, the interceptor decides.
    if (!isMainFrame) return true;
    // The page the player shows (its reload and its anchors included), or the
    // document it loads from memory, once.
    if (IsShown(url)) return true;
    if (html_ && url.scheme() == QLatin1String("data")) {
      html_ = false;
      return true;
    }
    const bool web = url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    if (web && url.isValid() && !url.host().isEmpty()) Report(webAddress_, address);
    return false;
  }

 private:
  // Files compare by path: the engine spells the address its own way.
  bool IsShown(const QUrl& url) const {
    if (shown_.isEmpty()) return false;
    if (url.isLocalFile() && shown_.isLocalFile()) return url.toLocalFile() == shown_.toLocalFile();
    return url.adjusted(QUrl::RemoveFragment) == shown_;
  }

  void Report(const std::function<void(const std::string&)>& to, const QByteArray& address) {
    if (guard_ && to)
      QTimer::singleShot(0, guard_.data(), [to, reported = address.toStdString()] { to(reported); });
  }

  std::function<void(const std::string&)> link_, webAddress_;
  QPointer<QObject> guard_;
  QUrl shown_;         // the file shown, without its anchor
  bool html_ = false;  // a document from memory is on its way
};

// Game pages were laid out for a browser that read the body's leftmargin and
// topmargin and always kept a vertical scroll bar, which the frame hides: it
// is 20 pixels wider than the area that shows it. This engine lets the
// body's marginwidth win and draws a scroll bar only when the page is long,
// so the text started at the frame's very edge and ran under its right edge.
// The view gives the old attributes their old meaning and keeps a scroll bar
// of that width, in the hidden strip; the page's own bytes stay as written.
QWebEngineScript OldPageLayout() {
  QWebEngineScript script;
  script.setName(QStringLiteral("lumora-old-page-layout"));
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setWorldId(QWebEngineScript::ApplicationWorld);
  script.setSourceCode(QStringLiteral(R"((function() {
  document.addEventListener('DOMContentLoaded', function() {
    var style = document.createElement('style');
    style.textContent = 'html{overflow-y:scroll}::-webkit-scrollbar{width:20px}';
    document.documentElement.appendChild(style);
    var body = document.body;
    if (!body) return;
    [['leftmargin', 'marginLeft'], ['topmargin', 'marginTop'], ['rightmargin', 'marginRight'],
     ['bottommargin', 'marginBottom']].forEach(function(side) {
      var value = parseInt(body.getAttribute(side[0]), 10);
      if (!isNaN(value)) body.style[side[1]] = value + 'px';
    });
  });
})())"));
  return script;
}

class EngineView : public WebEngineView {
 public:
  EngineView(QWidget* parent, WebEngineEvents events) : view_(new QWebEngineView(parent)) {
    auto* page = new GamePage(events, &guard_, view_);
    page_ = page;
    // The interceptor lives as long as the page it guards; the profile only
    // points to it.
    reach_ = new PageReach(std::move(events.mayRead), page);
    page->profile()->setUrlRequestInterceptor(reach_);
    view_->setPage(page);
    page->scripts().insert(OldPageLayout());
    // Game pages are written in Windows-1252.
    view_->settings()->setDefaultTextEncoding(QStringLiteral("windows-1252"));
    // On for the game's pictures (see PageReach, which keeps them to the game);
    // a page reaches nothing on the network.
    view_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    view_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    QObject::connect(view_, &QWebEngineView::loadStarted, &guard_, std::move(events.loadStarted));
    // The player never goes back a page: a history would only keep every page
    // shown alive (and the engine's cache of them), growing with play.
    QObject::connect(view_, &QWebEngineView::loadFinished, &guard_,
                     [this, finished = std::move(events.loadFinished)](bool) {
                       if (view_) view_->history()->clear();
                       finished();
                     });
    view_->show();
  }
  ~EngineView() override {
    if (reach_) reach_->Close();
  }

  QWidget* Widget() override { return view_; }
  void Stop() override {
    if (view_) view_->stop();
  }
  void SetHtml(const QString& html, const QUrl& baseUrl) override {
    if (!view_ || !page_) return;
    page_->ExpectHtml();
    view_->setHtml(html, baseUrl);
  }
  // In the view's own world: a game page's script cannot stand in for the
  // document's functions it calls.
  void ReplaceDocument(const QString& html, std::function<void()> done) override {
    if (!view_) return;
    const QString literal = QString::fromUtf8(QJsonDocument(QJsonArray{html}).toJson(QJsonDocument::Compact));
    view_->page()->runJavaScript(
        QStringLiteral("(function(h){document.open();document.write(h);document.close();})(%1[0])").arg(literal),
        QWebEngineScript::ApplicationWorld,
        [guard = QPointer<QObject>(&guard_), done = std::move(done)](const QVariant&) {
          if (guard) done();
        });
  }
  void SetUrl(const QUrl& url) override {
    if (!view_ || !page_) return;
    page_->Expect(url);
    view_->setUrl(url);
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
  void SetBackground(const QColor& colour) override {
    if (page_) page_->setBackgroundColor(colour);
  }

 private:
  // The context of the view's signals and queued links: once the front end lets
  // go of this object, nothing calls back into it.
  QObject guard_;
  QPointer<QWebEngineView> view_;  // owned by its parent widget
  QPointer<GamePage> page_;        // owned by the view
  QPointer<PageReach> reach_;      // owned by the page
};

}  // namespace
}  // namespace lumora

extern "C" Q_DECL_EXPORT lumora::WebEngineView* LumoraCreateWebEngineView(QWidget* parent,
                                                                         lumora::WebEngineEvents* events) {
  lumora::ShareOpenGLContext();
  return new lumora::EngineView(parent, std::move(*events));
}
