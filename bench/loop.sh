#!/usr/bin/env bash
# The register loop as whole processes: the player headless on a one-script game
# of N turns, less the same game of one turn (start-up and shutdown), beside
# lua5.4 and LuaJIT's interpreter (luajit -joff) running the same loop with
# string registers, each less its one-turn run. Runs alternate; prints the
# medians per turn and the player's ratio to each.
#   bench/loop.sh BUILD_FOLDER [TURNS] [RUNS]
set -euo pipefail
build=$(realpath "${1:?usage: bench/loop.sh BUILD_FOLDER [TURNS] [RUNS]}")
turns=${2:-1000000}
runs=${3:-7}
src=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
make_game() {  # folder, turns
  cp -r "$src/tests/games/spine" "$1"
  mv "$1/spine.ini" "$1/laco.ini"; mv "$1/spine.rgs" "$1/laco.rgs"
  mv "$1/spine.obx" "$1/laco.obx"; mv "$1/spine.obz" "$1/laco.obz"
  printf '/ the loop\r\nreg= 1,0\r\n:l\r\nreg+ 1,1\r\nif< 1,%s,goto,l\r\n' "$2" > "$1/start.scp"
}
make_game "$work/many" "$turns"
make_game "$work/one" 1
printf 'start\nquit\n' > "$work/play.walk"
cat > "$work/loop.lua" <<'LUA'
local count = tonumber(arg[1])
local r = {}
for i = 0, 250 do r[i] = "" end
r[1] = "0"
::l::
r[1] = tostring((tonumber(r[1]) or 0) + 1)
if tonumber(r[1]) < count then goto l end
LUA
# LuaJIT is Lua 5.1: the same loop without goto.
cat > "$work/loop51.lua" <<'LUA'
local count = tonumber(arg[1])
local r = {}
for i = 0, 250 do r[i] = "" end
r[1] = "0"
repeat
  r[1] = tostring((tonumber(r[1]) or 0) + 1)
until not (tonumber(r[1]) < count)
LUA
ns() { date +%s%N; }
time_of() { local t0 t1; t0=$(ns); "$@" >/dev/null 2>&1; t1=$(ns); echo $(( t1 - t0 )); }
player=() lua=() jit=()
for ((i = 0; i < runs; i++)); do
  many=$(time_of "$build/lumora" --headless --play "$work/play.walk" "$work/many")
  one=$(time_of "$build/lumora" --headless --play "$work/play.walk" "$work/one")
  player+=($(( (many - one) / turns )))
  many=$(time_of lua5.4 "$work/loop.lua" "$turns")
  one=$(time_of lua5.4 "$work/loop.lua" 1)
  lua+=($(( (many - one) / turns )))
  many=$(time_of luajit -joff "$work/loop51.lua" "$turns")
  one=$(time_of luajit -joff "$work/loop51.lua" 1)
  jit+=($(( (many - one) / turns )))
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
p=$(median "${player[@]}") l=$(median "${lua[@]}") j=$(median "${jit[@]}")
echo "player: ${p} ns a turn (runs: ${player[*]})"
echo "lua5.4: ${l} ns a turn (runs: ${lua[*]})"
echo "luajit -joff: ${j} ns a turn (runs: ${jit[*]})"
awk -v p="$p" -v l="$l" -v j="$j" 'BEGIN { printf "ratio to lua5.4: %.2f\nratio to luajit -joff: %.2f\n", p / l, p / j }'
