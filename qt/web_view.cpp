// The web view behind WebB.
#include "qt/web_view.h"

#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "core/text1252.h"

namespace lumora {
namespace {

// Refuses navigations to script links, so the view never shows an error page,
// and hands the address on through the event loop.
class GamePage : public QWebEnginePage {
 public:
  GamePage(WebBackend& web, QObject* parent) : QWebEnginePage(parent), web_(web) {}

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
    const QByteArray address = url.toEncoded();
    if (!address.contains("Scp=")) return true;
    WebBackend* web = &web_;
    const std::string reported = address.toStdString();
    QTimer::singleShot(0, this, [web, reported] {
      if (web->onLink) web->onLink(reported);
    });
    return false;
  }

 private:
  WebBackend& web_;
};

}  // namespace

void RecordingWeb::Navigate(const std::string& target) { lastTarget = target; }

void RecordingWeb::LoadHtml(const std::string& html, const QUrl&) { lastHtml = html; }

void EngineWeb::Stop() {
  if (view_) view_->stop();
}

void EngineWeb::Navigate(const std::string& target) {
  lastTarget = target;
  pending_ = true;
  pendingIsHtml_ = false;
  Apply();
}

void EngineWeb::LoadHtml(const std::string& html, const QUrl& baseUrl) {
  lastHtml = html;
  baseUrl_ = baseUrl;
  pending_ = true;
  pendingIsHtml_ = true;
  Apply();
}

int EngineWeb::ReadyState() { return view_ ? state_ : 4; }

void EngineWeb::Focus() {
  if (view_) view_->setFocus();
}

void EngineWeb::Realize(QWidget* parent) {
  if (view_) return;
  view_ = new QWebEngineView(parent);
  view_->setPage(new GamePage(*this, view_));
  // Game pages are written in Windows-1252.
  view_->settings()->setDefaultTextEncoding(QStringLiteral("windows-1252"));
  view_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
  QObject::connect(view_, &QWebEngineView::loadStarted, view_, [this] { state_ = 1; });
  QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this](bool) { state_ = 4; });
  view_->show();
  Apply();
}

QWidget* EngineWeb::Widget() { return view_; }

bool EngineWeb::ClickAt(int x, int y) {
  if (!view_) return false;
  view_->page()->runJavaScript(
      QStringLiteral("(function(){var e=document.elementFromPoint(%1,%2);if(e)e.click();})()").arg(x).arg(y));
  return true;
}

void EngineWeb::Apply() {
  if (!view_ || !pending_) return;
  pending_ = false;
  state_ = 1;
  if (pendingIsHtml_) {
    view_->setHtml(QStringFromCp1252(lastHtml), baseUrl_);
  } else if (lastTarget == "about:blank") {
    view_->setUrl(QUrl(QStringLiteral("about:blank")));
  } else {
    view_->setUrl(QUrl::fromLocalFile(QString::fromUtf8(lastTarget)));
  }
}

}  // namespace lumora
