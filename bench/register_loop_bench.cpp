// A counting loop over a register, run through RunScript, beside the same loop
// in Lua 5.4 with its registers kept as strings and converted on every use, as
// the interpreter's registers are.
#include <benchmark/benchmark.h>

#include <lua.hpp>
#include <stdexcept>

#include "bench_support.h"
#include "script/run_script.h"

namespace {

constexpr int kCount = 1000000;

// The loop as a game script: register 1 counts up to kCount through a label.
void BM_RegisterLoop(benchmark::State& state) {
  lumora::testing::TempGame game;
  game.WriteScript("laco", {"reg= 1,0", ":l", "reg+ 1,1", "if< 1," + std::to_string(kCount) + ",goto,l"});
  lumora::bench::LoadedGame g(game);
  lumora::TForm1& f = g.f;
  for (auto _ : state) {
    lumora::RunScript(f, "laco");
    if (f.state.registers[1] != std::to_string(kCount)) {
      state.SkipWithError(("register 1 is " + f.state.registers[1]).c_str());
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_RegisterLoop)->Unit(benchmark::kMillisecond);

// The same loop in Lua: 251 registers of text, tonumber on every read (a text
// that is no number counting as 0), tostring on every write.
constexpr const char* kLuaLoop = R"lua(
local r = {}
for i = 0, 250 do r[i] = "" end
local count = ...
return function()
  r[1] = "0"
  ::l::
  r[1] = tostring((tonumber(r[1]) or 0) + 1)
  if tonumber(r[1]) < count then goto l end
  return r[1]
end
)lua";

void BM_RegisterLoopLua(benchmark::State& state) {
  lua_State* L = luaL_newstate();
  luaL_openlibs(L);
  if (luaL_loadstring(L, kLuaLoop) != LUA_OK) throw std::runtime_error(lua_tostring(L, -1));
  lua_pushinteger(L, kCount);
  if (lua_pcall(L, 1, 1, 0) != LUA_OK) throw std::runtime_error(lua_tostring(L, -1));
  const int loop = luaL_ref(L, LUA_REGISTRYINDEX);
  for (auto _ : state) {
    lua_rawgeti(L, LUA_REGISTRYINDEX, loop);
    if (lua_pcall(L, 0, 1, 0) != LUA_OK) throw std::runtime_error(lua_tostring(L, -1));
    if (std::string(lua_tostring(L, -1)) != std::to_string(kCount)) {
      state.SkipWithError("the Lua loop counted wrong");
      break;
    }
    lua_pop(L, 1);
  }
  state.SetItemsProcessed(state.iterations() * kCount);
  lua_close(L);
}
BENCHMARK(BM_RegisterLoopLua)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return lumora::bench::RunBenchmarks(argc, argv); }
