#!/usr/bin/env bash
# The library's window with 50 games (copies of the demo), from the process
# start until the names show (--library show) and until every game shows with
# its picture (show-all), beside the bare Qt program of the start-up benchmark
# (one window, one picture, painted once): alternated runs under a real X
# server (Xvfb), thumbnails cached (warm) and not (cold).
#   bench/library.sh BUILD_FOLDER [RUNS]
set -euo pipefail
build=$(realpath "${1:?usage: bench/library.sh BUILD_FOLDER [RUNS]}")
runs=${2:-15}
src=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_DATA_HOME=$work/data
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}
for i in $(seq -w 50); do
  cp -r "$src/games/demo" "$work/jogo$i"
  "$build/lumora" --library add "$work/jogo$i" >/dev/null 2>&1
done
Xvfb :93 -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=:93
ns() { date +%s%N; }
once() { local t0; t0=$(ns); "$@" >/dev/null 2>&1; echo $(( ($(ns) - t0) / 1000 )); }
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
bare=() names=() warm=() cold=()
"$build/lumora" --library show-all >/dev/null 2>&1  # the cache filled once
for ((i = 0; i < runs; i++)); do
  bare+=($(once "$build/bench/lumora_startup_bare" "$src/games/demo/abertura.jpg"))
  names+=($(once "$build/lumora" --library show))
  warm+=($(once "$build/lumora" --library show-all))
  rm -rf "$work/cache"
  cold+=($(once "$build/lumora" --library show-all))
done
b=$(median "${bare[@]}") s=$(median "${names[@]}") w=$(median "${warm[@]}") c=$(median "${cold[@]}")
awk -v b="$b" -v s="$s" -v w="$w" -v c="$c" -v n="$runs" 'BEGIN {
  printf "bare window %.1f ms; library of 50: names shown %.1f ms (%.2fx); with pictures, cached %.1f ms (%.2fx), not cached %.1f ms (%.2fx); medians of %d alternated runs\n",
         b / 1000, s / 1000, s / b, w / 1000, w / b, c / 1000, c / b, n }'
