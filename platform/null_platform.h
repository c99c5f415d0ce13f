// The platform without a window system, for the unit tests, the benchmarks
// and the fuzz targets: records what the engine asked of the window system and
// keeps a virtual clock, so waits cost no time and can be checked. Headless
// runs keep their clock, idle timer and audio here too (HeadlessPlatform adds
// only the widgets).
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/platform.h"
#include "platform/recording_audio.h"

namespace lumora {

class NullPlatform : public Platform {
 public:
  void ProcessMessages(PlayerInput input) override;
  // The interpreter looking for a close request during a long run.
  void NoticeCloseRequest() override {
    if (onNoticeClose) onNoticeClose();
  }
  std::function<void()> onNoticeClose;
  void RepaintNow(Component c) override {
    ++repaintCount;
    if (onRepaint) onRepaint(c);
  }
  std::function<void(Component)> onRepaint;  // a benchmark's real window
  void Sleep(int ms) override { clock += ms; }
  int64_t Milliseconds() override { return clock; }

  void WebStop() override { ++webStops; }
  void WebNavigate(const std::string& target) override { navigations.push_back(target); }
  void WebLoadHtml(const std::string& html) override { loadedHtml.push_back(html); }
  int WebReadyState() override { return readyState; }
  void WebFocus() override { ++webFocusCount; }
  void WebConfine(const std::string& gameFolder, const std::string& pageFile) override {
    webConfines.push_back({gameFolder, pageFile});
  }

  void OpenUrl(const std::string& url) override { openedUrls.push_back(url); }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  void RequestExit() override { exitRequested = true; }
  void BringToFront() override { ++frontCount; }
  void StartIdleTimer(int intervalMs, std::function<void()> tick) override;
  void StopIdleTimer() override { timerTick = nullptr; }
  bool TimerRunning() const { return static_cast<bool>(timerTick); }
  // Moves the clock by ms; the idle timer ticks at every interval that ends
  // within them, as the event loop would tick it while the player waits.
  void Advance(int64_t ms);
  // The player's data folder: "" stands for a system that names none. A folder
  // in readOnlyFolders counts as not writable whatever its permissions say
  // (the tests may run as root, whom permissions do not stop).
  std::string UserDataFolder() override { return userDataFolder; }
  bool CanWriteFolder(const std::string& folder) override;
  std::string userDataFolder;
  std::vector<std::string> readOnlyFolders;

  // Reading aloud: the texts read, in order, an empty one where the reading was
  // stopped; speechAvailable says whether an engine exists.
  bool SpeechAvailable() override { return speechAvailable; }
  void Speak(const std::string& text) override { spoken.push_back(text); }
  void StopSpeaking() override { spoken.emplace_back(); }
  bool speechAvailable = true;
  std::vector<std::string> spoken;

  // Audio requests, recorded one line each (see RecordingAudio). A sound lasts
  // its length on the clock, so a wait for its end moves the clock by that
  // much. MusicOpen answers musicError, whether the file exists or not.
  std::string MusicOpen(const std::string& path) override { return recorder.MusicOpen(path); }
  std::string MusicPlay() override { return recorder.MusicPlay(); }
  void MusicVolume(int level) override { recorder.MusicVolume(level); }
  void SoundPlay(const std::string& path, bool wait) override { recorder.SoundPlay(path, wait); }
  int64_t SoundLeftMs() override { return recorder.SoundLeftMs(); }
  void SoundStop() override { recorder.SoundStop(); }
  RecordingAudio recorder{[this] { return clock; }, RecordingAudio::Files::NotRead};
  std::vector<std::string>& audio = recorder.requests;
  std::string& musicError = recorder.musicError;

  // Runs fn at the next ProcessMessages only, as the window system's own
  // traffic (a close request) handled while the engine waits.
  void OnceDuringProcessMessages(std::function<void()> fn);
  // Runs fn at the next wait that delivers the player's input, as a click
  // handled during "pausa=": the waits that hold input pass it by. The nested
  // run may process messages itself without triggering it again.
  void OnceWhenPlayerActs(std::function<void()> fn);

  // Called at every ProcessMessages (after a pending one-shot hook).
  std::function<void()> onProcessMessages;

  int processCount = 0;
  // Only counted: typing repaints once per letter, and a benchmark that types
  // should not pay for keeping a name per letter.
  int repaintCount = 0;
  int64_t clock = 0;
  int webStops = 0, webFocusCount = 0;
  int readyState = 4;
  std::vector<std::string> navigations, loadedHtml, openedUrls, errors;
  // What the web view was told its pages may read: game folder, page file.
  std::vector<std::pair<std::string, std::string>> webConfines;
  bool exitRequested = false;
  int frontCount = 0;
  // The idle timer as last started; a test may tick it by calling timerTick.
  int timerInterval = 0;
  std::function<void()> timerTick;
  int64_t timerDue = 0;

 private:
  std::function<void()> once_, oncePlayer_;
};

}  // namespace lumora
