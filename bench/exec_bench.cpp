// ExecCommand on the lines games are made of (split and dispatch), a 10,000-line
// script of them through RunScript in display model 1, and the saving of the
// state files that ends every run, timed on its own.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_support.h"
#include "core/text1252.h"
#include "core/trace.h"
#include "script/run_script.h"
#include "state/state_files.h"

namespace {

using namespace lumora;

constexpr int kScriptLines = 10000;

// One game with an object "lamp" (8 record lines) and register 3 holding
// "aberta", so the conditional line carries its message out.
struct Game {
  Game() {
    game.WriteLines(game.name() + ".obz", {"chave", "lamp"});
    game.WriteLines(game.name() + ".obx", {"chave", "uma chave", "Uma chave pequena.", "sala", "", "", "", "",
                                           "lamp", "uma lanterna", "Uma lanterna velha.", "jog", "", "", "", ""});
    StringList registers(11);
    registers[3] = "aberta";
    game.WriteRegisters(registers);
  }
  testing::TempGame game;
};

// The lines a script is typically made of, one of each kind. The label is
// numbered so that a long script holds many different labels.
std::string TypicalLine(int kind, int number) {
  switch (kind % 7) {
    case 0: return "reg+ 1,1";
    case 1: return "msg= Ol\xE1, mundo";
    case 2: return "getobj= 5,lamp,nom";
    case 3: return "if= 3,aberta,msg=,A porta est\xE1 aberta.";
    case 4: return "param= 2,prm";
    case 5: return "; a lanterna s\xF3 acende com a chave";
    default: return ":passo" + std::to_string(number);
  }
}

StringList LongScript() {
  StringList lines;
  for (int i = 0; i < kScriptLines; ++i) lines.push_back(TypicalLine(i, i / 7));
  return lines;
}

// One line through ExecCommand as line 3 of a 10,000-line script, the way the
// driver hands it over.
void ExecLine(benchmark::State& state, const std::string& line) {
  Game g;
  bench::LoadedGame s(g.game);
  s.f.run.lines = LongScript();
  state.SetLabel(Utf8FromCp1252(line));
  for (auto _ : state) {
    s.f.run.lineIndex = 3;
    s.t.commandLine = line;
    ExecCommand(s.t);
    benchmark::DoNotOptimize(s.t.traceLine.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_ExecCommand(benchmark::State& state) { ExecLine(state, TypicalLine(static_cast<int>(state.range(0)), 3)); }
BENCHMARK(BM_ExecCommand)->DenseRange(0, 6);

// A label line while the trace is listened to (--trace, walkthroughs): its
// trace lists the lines of the script that mention it, a scan of every line.
void BM_ExecCommandLabelTraced(benchmark::State& state) {
  const int listener = AddTraceListener([](std::string_view) {});
  ExecLine(state, TypicalLine(6, 3));
  RemoveTraceListener(listener);
}
BENCHMARK(BM_ExecCommandLabelTraced)->Unit(benchmark::kMicrosecond);

// The whole run of a 10,000-line script: reset, load, every line, finishing
// steps with the saving of the state files. Lines per second in items/s.
void BM_RunScript10k(benchmark::State& state) {
  Game g;
  g.game.WriteScript("longo", LongScript());
  bench::LoadedGame s(g.game);
  for (auto _ : state) {
    s.f.state.registers[1] = "0";
    RunScript(s.f, "longo");
    if (s.f.state.registers[1] != std::to_string((kScriptLines + 6) / 7) || s.f.state.registers[5] != "uma lanterna" ||
        s.f.Msg.text != "A porta est\xE1 aberta.") {
      state.SkipWithError(("wrong result, register 1 is " + s.f.state.registers[1]).c_str());
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * kScriptLines);
}
BENCHMARK(BM_RunScript10k)->Unit(benchmark::kMillisecond)->UseRealTime();

// The end of every run writes the registers and the object table, each to a
// temporary file that is synced and renamed over the saved game.
void BM_SaveRegistersAndObjects(benchmark::State& state) {
  Game g;
  bench::LoadedGame s(g.game);
  for (auto _ : state) {
    SaveRegistersAndObjects(s.f.writer, s.f.state, s.f.stateFolder, s.f.gameName);
    s.f.writer.Flush();  // the write itself, on the writer's thread
  }
}
BENCHMARK(BM_SaveRegistersAndObjects)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv); }
