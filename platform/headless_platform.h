// The platform for walkthroughs on Qt's offscreen platform: the same front end
// and web view as a real run, but pauses and typing cost no real time, so a
// walkthrough full of waits runs in moments and its timing is repeatable.
#pragma once
#include <cstdint>

#include "platform/qt_platform.h"

namespace lumora {

class HeadlessPlatform : public QtPlatform {
 public:
  // Sounds are recorded, not played; one played to the end moves the clock.
  HeadlessPlatform();
  // The real web view, when there is one, loads in real time: waits for it
  // take real time too.
  void Sleep(int ms) override;
  int64_t Milliseconds() override { return now_; }
  // Offscreen there is no other window to rise above; the platform plugin
  // would only complain.
  void BringToFront() override {}
  // The program counts as the active application; the idle timer ticks off
  // the virtual clock, in Advance.
  void StartIdleTimer(int intervalMs, std::function<void()> tick) override;
  void StopIdleTimer() override;
  // The walkthrough's own waits move the clock; the idle timer ticks at every
  // interval that ends within the wait.
  void Advance(int64_t ms);
  // Readings are only recorded (QtPlatform::spoken, while recording), never spoken.
  bool SpeechAvailable() override { return true; }
  void Speak(const std::string& text) override {
    if (recording) spoken.push_back(text);
  }
  void StopSpeaking() override {
    if (recording) spoken.emplace_back();
  }

 private:
  int64_t now_ = 0;
  std::function<void()> idleTick_;
  int idleInterval_ = 0;
  int64_t idleDue_ = 0;
};

}  // namespace lumora
