// A typed command on a 5,000-line vocabulary, from the Enter key to the end of
// the script's run in display model 2, with the vocabulary file unchanged,
// recently written, or changed before every command; the run alone, and the
// look-up alone.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "bench_support.h"
#include "input/typed_command.h"
#include "input/vocabulary.h"
#include "script/run_script.h"
#include "support/temp_game.h"

namespace {

using namespace lumora;
constexpr int kVocabularyLines = 5000;

// Phrases of two or three words with accented letters, as games write them;
// the phrase typed is the last one, so a linear search would visit every line.
StringList VocabularyLines() {
  StringList lines;
  for (int i = 0; i < kVocabularyLines; ++i) {
    const std::string n = std::to_string(i);
    if (i % 50 == 0) lines.push_back("/ATALHO " + n + "|sala");
    else lines.push_back("PEGA OBJETO N\xDAMERO " + n + " DA SALA|sala&Prm=" + n);
  }
  lines.back() = "ABRE A PORTA DO POR\xC3O|sala&Prm=porao";
  return lines;
}

// A model-2 game whose room script writes a page of a dozen lines.
struct Game {
  Game() {
    game.SetConfig(26, "2");
    game.WriteLines("vocab.scp", VocabularyLines());
    StringList room = {"norte= corredor", "sul= cozinha", "param= 1,prm"};
    for (int i = 0; i < 12; ++i) room.push_back("msg= Uma linha do por\xE3o, n\xFAmero " + std::to_string(i) + ".");
    game.WriteScript("sala", room);
    game.WriteScript("salao", bench::LongPlaceScript(room, 2000));
    SetAge(std::chrono::hours(1));
    // No trace listener: the player without --trace.
    s = std::make_unique<bench::LoadedGame>(game);
  }
  std::string Path() const { return game.folder() + "vocab.scp"; }
  void SetAge(std::chrono::nanoseconds age) {
    std::filesystem::last_write_time(Path(), std::filesystem::file_time_type::clock::now() - age);
  }
  bool Command(benchmark::State& state) {
    s->f.Input.text = "abre a porta do por\xE3o";
    InputKeyUp(s->f, InputKey::Enter);
    if (s->f.state.registers[1] == "porao") return true;
    state.SkipWithError(("the command ran " + s->f.Script).c_str());
    return false;
  }

  testing::TempGame game;
  std::unique_ptr<bench::LoadedGame> s;
};

// A typed command whose place script has 2,000 lines.
void BM_TypedCommandLongPlace(benchmark::State& state) {
  Game g;
  StringList vocabulary = VocabularyLines();
  vocabulary.back() = "ABRE A PORTA DO POR\xC3O|salao&Prm=porao";
  g.game.WriteLines("vocab.scp", vocabulary);
  g.SetAge(std::chrono::hours(1));
  for (auto _ : state)
    if (!g.Command(state)) break;
}
BENCHMARK(BM_TypedCommandLongPlace)->Unit(benchmark::kMicrosecond);

// The file is unchanged and settled: one stat, then the cached index.
void BM_TypedCommandUnchanged(benchmark::State& state) {
  Game g;
  for (auto _ : state)
    if (!g.Command(state)) break;
}
BENCHMARK(BM_TypedCommandUnchanged)->Unit(benchmark::kMicrosecond);

// The file was just written: its bytes are read and compared every time.
void BM_TypedCommandRecentFile(benchmark::State& state) {
  Game g;
  g.game.WriteLines("vocab.scp", VocabularyLines());
  for (auto _ : state)
    if (!g.Command(state)) break;
}
BENCHMARK(BM_TypedCommandRecentFile)->Unit(benchmark::kMicrosecond);

// A new modification time before every command: read and parsed every time,
// as without a cache (the time is set inside the measure; it costs a system call).
void BM_TypedCommandChangedFile(benchmark::State& state) {
  Game g;
  int64_t n = 0;
  for (auto _ : state) {
    g.SetAge(std::chrono::hours(1) + std::chrono::nanoseconds(++n * 1000));
    if (!g.Command(state)) break;
  }
}
BENCHMARK(BM_TypedCommandChangedFile)->Unit(benchmark::kMicrosecond);

// The same run without the typed command, to tell the command's own share.
void BM_RunScriptAlone(benchmark::State& state) {
  Game g;
  for (auto _ : state) lumora::RunScript(g.s->f, "sala&Prm=porao");
}
BENCHMARK(BM_RunScriptAlone)->Unit(benchmark::kMicrosecond);

// The command's share on an unchanged file: the cache's stat and the look-up.
void BM_CachedLookUp(benchmark::State& state) {
  Game g;
  VocabularyCache cache;
  for (auto _ : state) benchmark::DoNotOptimize(cache.Read(g.Path())->LookUp("ABRE A PORTA DO POR\xC3O"));
}
BENCHMARK(BM_CachedLookUp)->Unit(benchmark::kMicrosecond);

// The look-up and the suggestion list alone, on the parsed vocabulary.
void BM_LookUpAndSuggest(benchmark::State& state) {
  const Vocabulary v = ParseVocabulary(JoinLines(VocabularyLines()));
  for (auto _ : state) {
    benchmark::DoNotOptimize(v.LookUp("ABRE A PORTA DO POR\xC3O"));
    benchmark::DoNotOptimize(v.Suggest("ABRE", "PORTA"));
  }
}
BENCHMARK(BM_LookUpAndSuggest)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return lumora::bench::RunBenchmarks(argc, argv); }
