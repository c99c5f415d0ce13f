// The web view behind WebB, and the loading of the module that holds the
// QtWebEngine view.
#include "qt/web_view.h"

#include <QLibrary>
#include <cstdio>

#include "core/paths.h"
#include "core/text1252.h"
#include "qt/installed_files.h"

namespace lumora {

std::unique_ptr<WebEngineView> CreateWebEngineView(QWidget* parent, WebEngineEvents events, QString& error) {
  // Never unloaded: the view's page is its code.
  static QLibrary module(ModuleFile(QStringLiteral(LUMORA_WEBENGINE_MODULE)));
  const auto create = reinterpret_cast<CreateWebEngineViewEntry>(module.resolve("LumoraCreateWebEngineView"));
  if (!create) {
    error = module.errorString();
    return nullptr;
  }
  return std::unique_ptr<WebEngineView>(create(parent, &events));
}

void RecordingWeb::Navigate(const std::string& target) { lastTarget = target; }

void RecordingWeb::LoadHtml(const std::string& html, const QUrl&) { lastHtml = html; }

void EngineWeb::Stop() {
  if (view_) view_->Stop();
}

void EngineWeb::Navigate(const std::string& target) {
  lastTarget = target;
  pending_ = true;
  pendingIsHtml_ = false;
  Apply();
}

void EngineWeb::SetZoom(int zoom) {
  zoom_ = zoom;
  if (view_) view_->SetZoomFactor(zoom);
}

void EngineWeb::SetBackground(const QColor& colour) {
  if (colour == background_) return;
  background_ = colour;
  if (view_) view_->SetBackground(colour);
}

void EngineWeb::LoadHtml(const std::string& html, const QUrl& baseUrl) {
  lastHtml = html;
  baseUrl_ = baseUrl;
  pending_ = true;
  pendingIsHtml_ = true;
  Apply();
}

void EngineWeb::Confine(const std::string& gameFolder, const std::string& pageFile) {
  gameFolder_ = gameFolder;
  pageFile_ = pageFile;
}

// The game's files, and the page the player wrote, which lies in the state
// folder when that is not the game's; links are followed to the end, so a
// game's link to the player's other files reads nothing.
bool EngineWeb::MayRead(const QString& path) const {
  const std::string native = path.toStdString();
  return ReallyReadsInsideFolder(gameFolder_, native) || SameRealFile(pageFile_, native);
}

int EngineWeb::ReadyState() { return view_ ? state_ : 4; }

void EngineWeb::Focus() {
  if (view_) view_->Focus();
}

void EngineWeb::Realize(QWidget* parent) {
  if (view_ || unavailable_) return;
  WebEngineEvents events;
  events.loadStarted = [this] { state_ = 1; };
  events.loadFinished = [this] {
    state_ = 4;
    shown_ = true;
  };
  events.link = [this](const std::string& reported) {
    if (onLink) onLink(reported);
  };
  events.webAddress = [this](const std::string& address) {
    if (onWebAddress) onWebAddress(address);
  };
  events.mayRead = [this](const QString& path) { return MayRead(path); };
  QString error;
  view_ = CreateWebEngineView(parent, std::move(events), error);
  if (!view_) {
    // Asked once: the game goes on without pages, as with a view that shows nothing.
    unavailable_ = true;
    std::fprintf(stderr, "lumora: no web view: %s\n", error.toLocal8Bit().constData());
    return;
  }
  view_->SetBackground(background_);
  Apply();
}

QWidget* EngineWeb::Widget() { return view_ ? view_->Widget() : nullptr; }

bool EngineWeb::ClickAt(int x, int y) {
  if (!view_) return false;
  view_->RunJavaScript(
      QStringLiteral("(function(){var e=document.elementFromPoint(%1,%2);if(e)e.click();})()").arg(x).arg(y));
  return true;
}

void EngineWeb::Apply() {
  if (!view_ || !pending_) return;
  pending_ = false;
  state_ = 1;
  // At the window's zoom, also a view made after the zoom changed.
  view_->SetZoomFactor(zoom_);
  const int generation = ++generation_;
  if (pendingIsHtml_ && shown_) {
    // The blank page between two pages: written into the document shown, it
    // costs no navigation (a tenth of a second or more on every place).
    view_->ReplaceDocument(QStringFromCp1252(lastHtml), [this, generation] {
      if (generation == generation_) state_ = 4;
    });
  } else if (pendingIsHtml_) {
    view_->SetHtml(QStringFromCp1252(lastHtml), baseUrl_);
  } else if (lastTarget == "about:blank") {
    view_->SetUrl(QUrl(QStringLiteral("about:blank")));
  } else {
    view_->SetUrl(QUrl::fromLocalFile(QString::fromUtf8(lastTarget)));
  }
}

}  // namespace lumora
