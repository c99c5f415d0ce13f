// The saved game's writer thread.
#include "core/state_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "core/save_together.h"

namespace lumora {

StateWriter::~StateWriter() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ending_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void StateWriter::Write(std::string recordPath, std::vector<File> files) {
  if (files.empty()) return;
  Job job{std::move(recordPath), std::move(files)};
  std::unique_lock<std::mutex> lock(mutex_);
  std::erase_if(waiting_, [&](const Job& older) { return Covers(job, older); });
  waiting_.push_back(std::move(job));
  if (!thread_.joinable()) thread_ = std::thread([this] { Work(); });
  lock.unlock();
  changed_.notify_all();
}

void StateWriter::WriteBytes(std::string path, std::string bytes) {
  std::vector<File> files;
  files.push_back({std::move(path), {}, std::move(bytes), false, false});
  Write("", std::move(files));
}

void StateWriter::Remove(std::string path) {
  std::vector<File> files;
  files.push_back({std::move(path), {}, std::nullopt, true, false});
  Write("", std::move(files));
}

void StateWriter::RemoveFolder(std::string path) {
  std::vector<File> files;
  files.push_back({std::move(path), {}, std::nullopt, true, true});
  Write("", std::move(files));
}

bool StateWriter::Pending(const std::string& path, std::string& bytes, bool& removed) {
  std::lock_guard<std::mutex> lock(mutex_);
  // The newest first: the last job handed over for the path.
  for (auto job = waiting_.rbegin(); job != waiting_.rend(); ++job) {
    if (!job->recordPath.empty() || job->files.front().path != path) continue;
    removed = job->files.front().remove;
    bytes = job->files.front().bytes.value_or("");
    return true;
  }
  if (!writing_ || !writing_->recordPath.empty() || writing_->files.front().path != path) return false;
  removed = writing_->files.front().remove;
  bytes = writing_->files.front().bytes.value_or("");
  return true;
}

void StateWriter::Flush() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return waiting_.empty() && !writing_; });
}

std::optional<StateWriter::Failure> StateWriter::TakeFailure() {
  std::lock_guard<std::mutex> lock(mutex_);
  return std::exchange(failure_, std::nullopt);
}

// The same way of saving, and every file of the older save among the newer's.
bool StateWriter::Covers(const Job& newer, const Job& older) {
  if (newer.recordPath != older.recordPath) return false;
  for (const File& file : older.files)
    if (std::none_of(newer.files.begin(), newer.files.end(), [&](const File& n) { return n.path == file.path; }))
      return false;
  return true;
}

void StateWriter::Work() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return !waiting_.empty() || ending_; });
    if (waiting_.empty()) return;  // ending, and nothing left to write
    // Kept in place while written, for Pending; only this thread changes it.
    writing_ = std::move(waiting_.front());
    waiting_.pop_front();
    lock.unlock();
    const std::optional<Failure> failed = Perform(*writing_);
    lock.lock();
    writing_.reset();
    if (!failed) lastFailure_.reset();
    else if (!(lastFailure_ && *lastFailure_ == *failed)) failure_ = lastFailure_ = failed;
    changed_.notify_all();
  }
}

std::optional<StateWriter::Failure> StateWriter::Perform(const Job& job) {
  if (job.recordPath.empty()) {
    const File& file = job.files.front();
    if (file.remove && file.folder) {
      std::error_code error;
      std::filesystem::remove_all(file.path, error);
      if (!error) return std::nullopt;
      return Failure{file.path, error.value()};
    }
    if (file.remove) {
      if (std::remove(file.path.c_str()) == 0 || errno == ENOENT) return std::nullopt;
      return Failure{file.path, errno};
    }
    if (file.bytes ? SaveBytesAtomic(file.path, *file.bytes) : SaveLinesAtomic(file.path, file.lines))
      return std::nullopt;
    return Failure{file.path, errno};
  }
  std::vector<FileToSave> files;
  for (const File& file : job.files) files.push_back({file.path, &file.lines});
  if (SaveLinesTogether(job.recordPath, files)) return std::nullopt;
  return Failure{job.files.front().path, errno};
}

}  // namespace lumora
