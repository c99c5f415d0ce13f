// The texts waiting to be read aloud, in order, for a speech engine that reads
// one text at a time (a new one cuts off the one it reads) and tells when it
// is done.
#pragma once
#include <QString>
#include <deque>
#include <optional>

namespace lumora {

class SpeechQueue {
 public:
  // A new text: the one to say now when the engine is idle, else none (it waits).
  std::optional<QString> Add(const QString& text) {
    waiting_.push_back(text);
    return busy_ ? std::nullopt : Next();
  }
  // The engine is done with its text (read, stopped or failed): the next to say, or none.
  std::optional<QString> Done() {
    busy_ = false;
    return Next();
  }
  // The reading stopped: nothing waits, and the engine is idle.
  void Clear() {
    waiting_.clear();
    busy_ = false;
  }

 private:
  std::optional<QString> Next() {
    if (waiting_.empty()) return std::nullopt;
    busy_ = true;
    QString text = waiting_.front();
    waiting_.pop_front();
    return text;
  }

  std::deque<QString> waiting_;
  bool busy_ = false;
};

}  // namespace lumora
