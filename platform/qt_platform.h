// The platform on a real window system: real time, the system's browser and
// message boxes. The headless variant derives from it (headless_platform.h).
#pragma once
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/platform.h"
#include "platform/audio.h"
#include "platform/speech.h"

namespace lumora {

class MainWindow;
struct TForm1;

// The player's own folder for the program's files (XDG_DATA_HOME/lumora/,
// ending with "/"), "" when the system names none; the library finds a game's
// slots there without a platform of its own.
std::string PlayerDataFolder();

class QtPlatform : public Platform {
 public:
  void Attach(TForm1* form, MainWindow* window) {
    form_ = form;
    window_ = window;
  }

  void ProcessMessages(PlayerInput input) override;
  void WaitForMessages(PlayerInput input, int ms) override;
  void NoticeCloseRequest() override;
  void RepaintNow(Component component) override;
  void Sleep(int ms) override;
  int64_t Milliseconds() override;
  void WebStop() override;
  void WebNavigate(const std::string& target) override;
  void WebLoadHtml(const std::string& html) override;
  int WebReadyState() override;
  void WebFocus() override;
  void WebConfine(const std::string& gameFolder, const std::string& pageFile) override;
  void OpenUrl(const std::string& url) override;
  void ShowError(const std::string& text) override;
  void RequestExit() override;
  std::string MusicOpen(const std::string& path) override;
  std::string MusicPlay() override;
  void MusicVolume(int level) override;
  void SoundPlay(const std::string& path, bool wait) override;
  int64_t SoundLeftMs() override;
  void SoundStop() override;
  void BringToFront() override;
  void StartIdleTimer(int intervalMs, std::function<void()> tick) override;
  void StopIdleTimer() override;
  std::string UserDataFolder() override;
  std::string WindowPicturePng() override;
  bool CanWriteFolder(const std::string& folder) override;
  bool SpeechAvailable() override;
  void Speak(const std::string& text) override;
  void StopSpeaking() override;

  // Called at every point where pending messages are processed: the walkthrough
  // delivers its "> " actions there.
  std::function<void()> onMessages;
  // When set, errors go here instead of a message box (automation).
  std::function<void(const std::string&)> onError;
  // For the automation, while `recording`: the addresses handed to the browser,
  // and the texts read aloud (Windows-1252), in order, an empty one where the
  // reading was stopped. The automation takes them at every step; without it
  // nothing is kept (a player reading aloud for hours would keep every text).
  bool recording = false;
  std::vector<std::string> opened;
  std::vector<std::string> spoken;
  bool openInBrowser = true;

 protected:
  TForm1* form_ = nullptr;
  MainWindow* window_ = nullptr;
  QElapsedTimer clock_;
  bool clockStarted_ = false;
  // When the event queue was last looked at for a close request.
  QElapsedTimer closeLooked_;
  // One pass over the event queue, as ProcessMessages makes it.
  void Pass(PlayerInput input, QEventLoop::ProcessEventsFlags flags);
  // The sound device, made on the first request; headless sets a recording.
  std::unique_ptr<Audio> audio_;
  Audio& TheAudio();
  // The speech engine, loaded with the first question about it; headless
  // leaves it out and only records.
  std::unique_ptr<Speech> speech_;
  bool speechLoaded_ = false;
  // The idle timer: a Qt timer, so the program sleeps between ticks.
  QTimer idleTimer_;
  std::function<void()> idleTick_;
  bool idleConnected_ = false;
};

}  // namespace lumora
