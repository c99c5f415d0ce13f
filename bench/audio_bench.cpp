// The sound device through SDL's disk driver, which plays in real time into a
// file: from a key press in Input to the first mixed samples of its click, and
// the CPU the process uses while the demo's MIDI tune plays.
#include <SDL_mixer.h>
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "bench_support.h"
#include "input/typed_command.h"
#include "platform/audio_module.h"
#include "platform/qt_platform.h"

namespace lumora::bench {
namespace {

using Clock = std::chrono::steady_clock;

std::atomic<int64_t> firstSound{0};
std::atomic<int64_t> loudSamples{0};

// Counts the non-silent samples mixed: proof that the tune is really rendered.
void CountLoud(void*, Uint8* stream, int len) {
  const auto* s = reinterpret_cast<const int16_t*>(stream);
  int64_t loud = 0;
  for (int i = 0; i < len / 2; ++i) loud += s[i] > 200 || s[i] < -200;
  loudSamples += loud;
}

// Notes when the mixer first puts a non-silent sample into a buffer.
void WatchMix(void*, Uint8* stream, int len) {
  if (firstSound.load() != 0) return;
  const auto* s = reinterpret_cast<const int16_t*>(stream);
  for (int i = 0; i < len / 2; ++i) {
    if (s[i] > 200 || s[i] < -200) {
      firstSound = Clock::now().time_since_epoch().count();
      return;
    }
  }
}

// The program's platform with the SDL audio from its module, as the program
// loads it: this benchmark does not link SDL, so the first load is a real one.
class SoundPlatform : public QtPlatform {
 public:
  bool FromModule() {
    QString error;
    audio_ = LoadAudioModule(QStringLiteral(LUMORA_AUDIO_MODULE_FILE), error);
    return audio_ != nullptr;
  }
};

// The mixer's own functions, from the library the module brought in.
template <typename Fn>
Fn Mixer(const char* name) {
  void* library = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
  return library ? reinterpret_cast<Fn>(dlsym(library, name)) : nullptr;
}
using SetPostMix = void (*)(void (*)(void*, Uint8*, int), void*);
using QuerySpec = int (*)(int*, Uint16*, int*);

void UseDiskDriver() {
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
}

// The first key press of a run loads the sound module (SDL2_mixer, FluidSynth),
// opens the device and reads the click: the time the press's handler takes
// then. Only the process's first load is a real one.
void BM_FirstKeyPressLoadsAndOpens(benchmark::State& state) {
  UseDiskDriver();
  for (auto _ : state) {
    SoundPlatform platform;
    TForm1 f(platform);
    f.programFolder = LUMORA_DEMO "/";
    const auto start = Clock::now();
    if (!platform.FromModule()) state.SkipWithError("no sound module");
    InputKeyDown(f);
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
}
BENCHMARK(BM_FirstKeyPressLoadsAndOpens)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// A key press to the click in the mixed samples, plus one buffer: the mixed
// buffer goes to the device after it is filled. The device is open already.
void BM_KeyClickToSound(benchmark::State& state) {
  UseDiskDriver();
  SoundPlatform platform;
  if (!platform.FromModule()) return state.SkipWithError("no sound module");
  TForm1 f(platform);
  f.programFolder = LUMORA_DEMO "/";
  InputKeyDown(f);  // opens the device and reads the click
  const auto setPostMix = Mixer<SetPostMix>("Mix_SetPostMix");
  setPostMix(WatchMix, nullptr);
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  Mixer<QuerySpec>("Mix_QuerySpec")(&frequency, &format, &channels);
  const double buffer = 512.0 / frequency;
  for (auto _ : state) {
    // The click before has ended: the watch sees only this one.
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    firstSound = 0;
    const auto start = Clock::now();
    InputKeyDown(f);
    while (firstSound.load() == 0) std::this_thread::sleep_for(std::chrono::microseconds(100));
    const auto heard = Clock::time_point(Clock::duration(firstSound.load()));
    state.SetIterationTime(std::chrono::duration<double>(heard - start).count() + buffer);
  }
  setPostMix(nullptr, nullptr);
}
BENCHMARK(BM_KeyClickToSound)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

// Five seconds of the tune: process CPU time over wall time, in percent of one core.
void BM_MidiTuneCpu(benchmark::State& state) {
  UseDiskDriver();
  SoundPlatform platform;
  if (!platform.FromModule()) return state.SkipWithError("no sound module");
  for (auto _ : state) {
    platform.MusicOpen(LUMORA_DEMO "/tema.mid");
    platform.MusicPlay();
    Mixer<SetPostMix>("Mix_SetPostMix")(CountLoud, nullptr);
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    const auto start = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(5));
    getrusage(RUSAGE_SELF, &after);
    auto cpu = [](const rusage& r) {
      return r.ru_utime.tv_sec + r.ru_stime.tv_sec + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
    };
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    state.counters["cpu_percent"] = 100.0 * (cpu(after) - cpu(before)) / wall;
    state.counters["loud_samples"] = static_cast<double>(loudSamples.load());
    Mixer<SetPostMix>("Mix_SetPostMix")(nullptr, nullptr);
  }
}
BENCHMARK(BM_MidiTuneCpu)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace lumora::bench

int main(int argc, char** argv) { return lumora::bench::RunBenchmarks(argc, argv); }
