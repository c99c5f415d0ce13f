// The QtWebEngine view as the front end sees it. The view lives in a module of
// its own (liblumora_webengine.so beside the program) that is loaded when the
// first model-2 page is shown: linked into the program, QtWebEngine made every
// start-up load it and, under X, create an OpenGL context, also for the games
// that never show a page.
#pragma once
#include <QColor>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

namespace lumora {

struct WebEngineEvents {
  std::function<void()> loadStarted;
  std::function<void()> loadFinished;
  // A navigation to a script link ("Scp=" in its address), refused by the view
  // and reported from the event loop: the address percent-encoded.
  std::function<void(const std::string&)> link;
  // A navigation of the page to a web address (http, https), refused by the
  // view and reported from the event loop, for the system's browser.
  std::function<void(const std::string&)> webAddress;
  // Whether the page may read the file at that native path. Asked for every
  // file the page requests, its own document included; what it refuses, and
  // every request that is not for a file, fails.
  std::function<bool(const QString&)> mayRead;
};

class WebEngineView {
 public:
  virtual ~WebEngineView() = default;
  // The view's widget, owned by the parent it was created in.
  virtual QWidget* Widget() = 0;
  virtual void Stop() = 0;
  virtual void SetHtml(const QString& html, const QUrl& baseUrl) = 0;
  // Writes a document of its own making into the document shown, without a
  // navigation, as a stream loaded into it would; `done` is called from the
  // event loop once it is in place (never, when the view goes first).
  virtual void ReplaceDocument(const QString& html, std::function<void()> done) = 0;
  virtual void SetUrl(const QUrl& url) = 0;
  virtual void Focus() = 0;
  virtual void RunJavaScript(const QString& script) = 0;
  // The page drawn that many times larger, its layout in the same CSS pixels.
  virtual void SetZoomFactor(double factor) = 0;
  // What shows until a page paints, and where a page leaves its background clear.
  virtual void SetBackground(const QColor& colour) = 0;
};

// Loads the module (once) and creates a view inside parent; nullptr, with the
// reason in error, when the module cannot be loaded.
std::unique_ptr<WebEngineView> CreateWebEngineView(QWidget* parent, WebEngineEvents events, QString& error);

// The module's entry point: extern "C" LumoraCreateWebEngineView, of this type.
using CreateWebEngineViewEntry = WebEngineView* (*)(QWidget* parent, WebEngineEvents* events);

}  // namespace lumora
