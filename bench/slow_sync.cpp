// A slow disk for the slow-disk benchmark, preloaded into the player: every
// fsync and fdatasync takes LUMORA_SYNC_MS milliseconds more (20 unless told)
// and is counted, as is every save committed (a rename onto a ".commit~"
// record) and every written file put in place (a rename from a ".tmp~" file,
// the page file "tmp.htm" left out: it is not synced). At exit
// "SYNCS COMMITS PLACED" is added to the file LUMORA_SYNC_COUNT names.
#include <dlfcn.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

std::atomic<long> syncs, commits, placed;

bool EndsWith(const char* text, const char* end) {
  const size_t n = std::strlen(text), m = std::strlen(end);
  return n >= m && std::strcmp(text + n - m, end) == 0;
}

void Delay() {
  const char* text = getenv("LUMORA_SYNC_MS");
  const long ms = text ? atol(text) : 20;
  struct timespec wait = {ms / 1000, (ms % 1000) * 1000000L};
  while (ms > 0 && nanosleep(&wait, &wait) != 0) {
  }
}

template <typename Fn>
Fn Real(const char* name) {
  return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

// Reports when the library is unloaded, at the program's exit.
struct Report {
  ~Report() {
    const char* path = std::getenv("LUMORA_SYNC_COUNT");
    if (!path) return;
    if (FILE* out = std::fopen(path, "a")) {
      std::fprintf(out, "%ld %ld %ld\n", syncs.load(), commits.load(), placed.load());
      std::fclose(out);
    }
  }
} report;

}  // namespace

extern "C" {

int fsync(int fd) {
  static const auto real = Real<int (*)(int)>("fsync");
  ++syncs;
  Delay();
  return real(fd);
}

int fdatasync(int fd) {
  static const auto real = Real<int (*)(int)>("fdatasync");
  ++syncs;
  Delay();
  return real(fd);
}

int rename(const char* from, const char* to) noexcept {
  static const auto real = Real<int (*)(const char*, const char*)>("rename");
  if (EndsWith(to, ".commit~")) ++commits;
  if (EndsWith(from, ".tmp~") && !EndsWith(to, "tmp.htm")) ++placed;
  return real(from, to);
}

}  // extern "C"
