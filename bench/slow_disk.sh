#!/usr/bin/env bash
# Twenty place changes of the demo, headless, on a slow disk (every sync 20 ms,
# a preloaded library that also counts the syncs and the saves committed)
# beside the same walk at the disk's own speed. The places' time is what they
# add to the walk that reaches the first of them (start-up, the way there and
# the shutdown, which waits for the disk, are the same in both): alternated
# runs, the medians and their ratio; then the syncs per committed save.
#   bench/slow_disk.sh BUILD_FOLDER [RUNS]
set -euo pipefail
build=$(realpath "${1:?usage: bench/slow_disk.sh BUILD_FOLDER [RUNS]}")
runs=${2:-11}
src=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$src/games/demo" "$work/demo0"
printf 'resume\ntype jardim\ntype pegar chave\ntype entrada\ntype abrir porta\n' > "$work/way.walk"
{
  cat "$work/way.walk"
  for ((i = 0; i < 10; i++)); do printf 'type sala\ntype entrada\n'; done
} > "$work/places.walk"
cd "$work"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}
ns() { date +%s%N; }
once() {  # SYNC_MS WALK
  rm -rf demo && cp -r demo0 demo
  local t0
  t0=$(ns)
  LD_PRELOAD="$build/bench/liblumora_slow_sync.so" LUMORA_SYNC_MS=$1 LUMORA_SYNC_COUNT="$work/count-$1-$2" \
    "$build/lumora" --headless --play "$2.walk" demo >/dev/null 2>&1
  echo $(( ($(ns) - t0) / 1000 ))
}
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
fw=() sw=() fp=() sp=()
for ((i = 0; i < runs; i++)); do
  fw+=($(once 0 way)) sw+=($(once 20 way)) fp+=($(once 0 places)) sp+=($(once 20 places))
done
awk -v fw=$(median "${fw[@]}") -v sw=$(median "${sw[@]}") -v fp=$(median "${fp[@]}") -v sp=$(median "${sp[@]}") \
    -v n=$runs 'BEGIN {
  printf "whole walk: own speed %.0f ms, syncs of 20 ms %.0f ms: %.2fx\n", fp / 1000, sp / 1000, sp / fp
  printf "20 places:  own speed %.0f ms, syncs of 20 ms %.0f ms: %.2fx (medians of %d alternated runs)\n",
         (fp - fw) / 1000, (sp - sw) / 1000, (sp - sw) / (fp - fw), n }'
# Every committed save syncs its files, its record and the folder twice; the
# configuration written at the end syncs once.
read -r syncs commits placed < <(tail -n 1 "$work/count-20-places")
echo "last slow run: $syncs syncs, $commits saves committed, $placed files put in place"
