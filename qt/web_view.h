// The web view behind WebB: the real QtWebEngine view, created only when a
// model-2 page is first shown, or a recorder for headless runs.
#pragma once
#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "qt/web_engine_view.h"

namespace lumora {

class WebBackend {
 public:
  virtual ~WebBackend() = default;
  virtual void Stop() = 0;
  // A file path, or "about:blank".
  virtual void Navigate(const std::string& target) = 0;
  // A Windows-1252 document shown from memory; baseUrl addresses its pictures.
  virtual void LoadHtml(const std::string& html, const QUrl& baseUrl) = 0;
  virtual int ReadyState() = 0;  // 0 uninitialised .. 4 complete
  virtual void Focus() = 0;
  // Creates the view inside parent when it is first needed; nothing for a recorder.
  virtual void Realize(QWidget* parent) = 0;
  virtual QWidget* Widget() = 0;
  // A click at (x, y) of the page, given to the element there (automation).
  virtual bool ClickAt(int x, int y) { return false; }
  // The window's zoom: the page is drawn larger, its coordinates unchanged.
  virtual void SetZoom(int) {}
  // The frame's colour, shown until a page paints (never the engine's white).
  virtual void SetBackground(const QColor&) {}
  // What the pages may read (Platform::WebConfine); nothing until told.
  virtual void Confine(const std::string& gameFolder, const std::string& pageFile) {}

  std::string lastTarget, lastHtml;  // what the view was last given
  // A followed link ("Scp=" in its address), as the engine reports it: percent-
  // encoded UTF-8. Called from the event loop, never inside the engine's callback.
  std::function<void(const std::string&)> onLink;
  // A page's link to a web address (http, https), percent-encoded, for the
  // system's browser; called from the event loop.
  std::function<void(const std::string&)> onWebAddress;
};

// Records the pages it is given and is always complete.
class RecordingWeb : public WebBackend {
 public:
  void Stop() override {}
  void Navigate(const std::string& target) override;
  void LoadHtml(const std::string& html, const QUrl&) override;
  int ReadyState() override { return 4; }
  void Focus() override {}
  void Realize(QWidget*) override {}
  QWidget* Widget() override { return nullptr; }
};

// The QtWebEngine view. Until it exists, the last request waits and is applied
// when the view is created; a game that never uses model 2 never loads it.
class EngineWeb : public WebBackend {
 public:
  void Stop() override;
  void Navigate(const std::string& target) override;
  void LoadHtml(const std::string& html, const QUrl& baseUrl) override;
  int ReadyState() override;
  void Focus() override;
  void Realize(QWidget* parent) override;
  QWidget* Widget() override;
  bool ClickAt(int x, int y) override;
  void SetZoom(int zoom) override;
  void SetBackground(const QColor& colour) override;
  void Confine(const std::string& gameFolder, const std::string& pageFile) override;

 private:
  void Apply();
  bool MayRead(const QString& path) const;
  std::string gameFolder_, pageFile_;  // what the pages may read
  std::unique_ptr<WebEngineView> view_;
  bool unavailable_ = false;  // the module could not be loaded: no view, pages complete at once
  int state_ = 4;
  bool shown_ = false;  // a document has finished loading: the next blank page is written into it
  int generation_ = 0;  // of the last request applied: a late answer to an older one is ignored
  bool pending_ = false;
  bool pendingIsHtml_ = false;
  QUrl baseUrl_;
  QColor background_ = Qt::white;
  int zoom_ = 1;
};

}  // namespace lumora
