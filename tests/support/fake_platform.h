// The platform of the unit tests and the benchmarks: records what the engine
// asked of the window system and keeps a virtual clock, so waits cost no time
// and can be checked.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/platform.h"

namespace lumora::testing {

class FakePlatform : public Platform {
 public:
  void ProcessMessages(PlayerInput input) override;
  // The interpreter looking for a close request during a long run.
  void NoticeCloseRequest() override {
    if (onNoticeClose) onNoticeClose();
  }
  std::function<void()> onNoticeClose;
  void RepaintNow(const Control& c) override {
    ++repaintCount;
    if (onRepaint) onRepaint(c);
  }
  std::function<void(const Control&)> onRepaint;  // a benchmark's real window
  void Sleep(int ms) override { clock += ms; }
  int64_t Milliseconds() override { return clock; }

  void WebStop() override { ++webStops; }
  void WebNavigate(const std::string& target) override { navigations.push_back(target); }
  void WebLoadHtml(const std::string& html) override { loadedHtml.push_back(html); }
  int WebReadyState() override { return readyState; }
  void WebFocus() override { ++webFocusCount; }

  void OpenUrl(const std::string& url) override { openedUrls.push_back(url); }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  void RequestExit() override { exitRequested = true; }
  void BringToFront() override { ++frontCount; }
  void StartIdleTimer(int intervalMs, std::function<void()> tick) override {
    timerInterval = intervalMs;
    timerTick = std::move(tick);
  }
  void StopIdleTimer() override { timerTick = nullptr; }
  bool TimerRunning() const { return static_cast<bool>(timerTick); }
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

  // Audio requests, one line each: "music PATH", "play", "volume N",
  // "sound PATH async", "sound PATH sync", "stop". A sound lasts its length
  // (WaveLengthMs) on the clock, so a wait for its end moves the clock by
  // that much. MusicOpen answers musicError.
  std::string MusicOpen(const std::string& path) override;
  std::string MusicPlay() override;
  void MusicVolume(int level) override;
  void SoundPlay(const std::string& path, bool wait) override;
  int64_t SoundLeftMs() override { return soundEnd > clock ? soundEnd - clock : 0; }
  void SoundStop() override;
  std::vector<std::string> audio;
  std::string musicError;
  int64_t soundEnd = 0;  // when the sound played last ends on the clock

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
  bool exitRequested = false;
  int frontCount = 0;
  // The idle timer as last started; the test ticks it by calling timerTick.
  int timerInterval = 0;
  std::function<void()> timerTick;

 private:
  std::function<void()> once_, oncePlayer_;
};

}  // namespace lumora::testing
