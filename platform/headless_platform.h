// The platform for walkthroughs on Qt's offscreen platform: the same front end
// and web view as a real run, but pauses and typing cost no real time, so a
// walkthrough full of waits runs in moments and its timing is repeatable.
#pragma once
#include <cstdint>
#include <functional>
#include <utility>

#include "platform/null_platform.h"
#include "platform/qt_platform.h"

namespace lumora {

class HeadlessPlatform : public QtPlatform {
 public:
  // Sounds are recorded, not played; one played to the end moves the clock.
  HeadlessPlatform();
  void Sleep(int ms) override { null_.Sleep(ms); }
  // The real web view, when there is one, loads in real time: a wait while a
  // page loads takes real time too, in the event loop.
  void WaitForMessages(PlayerInput input, int ms) override;
  int64_t Milliseconds() override { return null_.clock; }
  // Offscreen there is no other window to rise above; the platform plugin
  // would only complain.
  void BringToFront() override {}
  // The program counts as the active application; the idle timer ticks off
  // the virtual clock, in Advance.
  void StartIdleTimer(int intervalMs, std::function<void()> tick) override {
    null_.StartIdleTimer(intervalMs, std::move(tick));
  }
  void StopIdleTimer() override { null_.StopIdleTimer(); }
  // The walkthrough's own waits move the clock; the idle timer ticks at every
  // interval that ends within the wait.
  void Advance(int64_t ms) { null_.Advance(ms); }
  // Readings are only recorded (QtPlatform::spoken, while recording), never spoken.
  bool SpeechAvailable() override { return true; }
  void Speak(const std::string& text) override {
    if (recording) spoken.push_back(text);
  }
  void StopSpeaking() override {
    if (recording) spoken.emplace_back();
  }

 private:
  // The clock and the idle timer: everything but the widgets is the null
  // platform's.
  NullPlatform null_;
};

}  // namespace lumora
