// The one writer of the saved game's files. A save is handed over whole (the
// lines of each file, as they were when it was asked for) and written on a
// thread of its own, so the window never waits for the disk: a disk that takes
// 20 ms per sync would otherwise hold every click for a tenth of a second.
#pragma once
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/string_list.h"

namespace lumora {

class StateWriter {
 public:
  struct File {
    std::string path;  // the target, a native path
    StringList lines;
    std::optional<std::string> bytes;  // written as they are instead of the lines
    bool remove = false;               // the file goes instead
    bool folder = false;               // with remove: the path is a folder, which goes with all it holds
  };
  struct Failure {
    std::string path;  // the file named in the message, a native path
    int error = 0;
    bool operator==(const Failure& o) const { return path == o.path && error == o.error; }
  };

  StateWriter() = default;
  // Writes what was handed over, then ends.
  ~StateWriter();
  StateWriter(const StateWriter&) = delete;
  StateWriter& operator=(const StateWriter&) = delete;

  // Hands a save over and returns: with a commit record path the files are
  // written as one moment (SaveLinesTogether); without one, the single file is
  // replaced atomically. One save is written at a time, in the order handed
  // over. A save still waiting its turn is dropped for a newer one that writes
  // every file it would, which goes to the end of the line: each file's newest
  // values are written last, at most one save of each kind waits, and runs
  // that end faster than the disk syncs never wait for it.
  void Write(std::string recordPath, std::vector<File> files);
  // One file of bytes (a picture), replaced atomically; or removed, in its turn.
  void WriteBytes(std::string path, std::string bytes);
  void Remove(std::string path);
  // A folder (its path ending with "/") and all it holds, in its turn.
  void RemoveFolder(std::string path);
  // What a file handed over as bytes will hold once the writer is done, while
  // it is not yet on disk: true with the bytes, or with `removed` set; false
  // when the disk is up to date for it. A reader need not wait for the disk.
  bool Pending(const std::string& path, std::string& bytes, bool& removed);
  // Returns once every save handed over is on disk (or has failed): before
  // the files are read back, and at shutdown.
  void Flush();
  // The save that failed since the last call, once: the same file failing for
  // the same reason again is not told again until a save has succeeded.
  std::optional<Failure> TakeFailure();

 private:
  struct Job {
    std::string recordPath;
    std::vector<File> files;
  };
  void Work();
  static bool Covers(const Job& newer, const Job& older);
  static std::optional<Failure> Perform(const Job& job);

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Job> waiting_;    // handed over, not yet begun, in order
  std::optional<Job> writing_;  // being written
  bool ending_ = false;
  std::optional<Failure> failure_, lastFailure_;
  // Started with the first save: a form that never saves makes no thread.
  std::thread thread_;
};

}  // namespace lumora
