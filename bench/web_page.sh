#!/usr/bin/env bash
# Web-page places of the player beside a bare web view, under a real X server
# (Xvfb). A small game shows a page at its start; one walk ends there, the
# other goes on to a second page place. The bare view loads one page, or the
# same two. Alternated runs, medians of the whole process:
#   first page: the player's one-page walk against the bare view's one page
#               (start-up, the engine's cold start and the first load);
#   next page:  what the second page adds to each (the two-page median less
#               the one-page median).
#   bench/web_page.sh BUILD_FOLDER [RUNS]
set -euo pipefail
build=$(realpath "${1:?usage: bench/web_page.sh BUILD_FOLDER [RUNS]}")
runs=${2:-15}
src=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$src/tests/games/spine" "$work/game"
printf 'setmode= 2\r\nmsg= <h2>Primeira</h2><p>Uma p\xe1gina com <a href=Scp=segunda>um link</a>.</p>\r\n' \
  > "$work/game/start.scp"
printf 'setmode= 2\r\nmsg= <h2>Segunda</h2><p>Outra p\xe1gina, <a href=Scp=start>de volta</a>.</p>\r\n' \
  > "$work/game/segunda.scp"
cp -r "$work/game" "$work/game0"
printf 'start\nclose\n' > "$work/one.walk"
printf 'start\nlink segunda\nclose\n' > "$work/two.walk"
# The bare view's pages: the player's own, as it wrote them.
printf '<!DOCTYPE html><body bgcolor=#FFFFFF><h2>Primeira</h2><p>Uma p\xe1gina.</p></body>' > "$work/1.htm"
printf '<!DOCTYPE html><body bgcolor=#FFFFFF><h2>Segunda</h2><p>Outra p\xe1gina.</p></body>' > "$work/2.htm"
cd "$work"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work} QTWEBENGINE_DISABLE_SANDBOX=1
cat > "$work/measure.sh" <<MEASURE
set -euo pipefail
ns() { date +%s%N; }
# Each player run starts from the game's files as shipped.
once() { rm -rf game; cp -r game0 game; local t0; t0=\$(ns); "\$@" >/dev/null 2>&1; echo \$(( (\$(ns) - t0) / 1000 )); }
median() { printf '%s\n' "\$@" | sort -n | awk '{a[NR]=\$1} END {print a[int((NR+1)/2)]}'; }
b1=() b2=() p1=() p2=()
for ((i = 0; i < $runs; i++)); do
  b1+=(\$(once "$build/bench/lumora_web_page_bare" 1.htm))
  p1+=(\$(once "$build/lumora" --play one.walk game))
  b2+=(\$(once "$build/bench/lumora_web_page_bare" 1.htm 2.htm))
  p2+=(\$(once "$build/lumora" --play two.walk game))
done
awk -v b1=\$(median "\${b1[@]}") -v p1=\$(median "\${p1[@]}") -v b2=\$(median "\${b2[@]}") -v p2=\$(median "\${p2[@]}") \
    -v n=$runs 'BEGIN {
  printf "first page: bare %.0f ms, player %.0f ms: %.2fx (medians of %d alternated runs)\n", b1 / 1000, p1 / 1000, p1 / b1, n
  printf "next page:  bare %.0f ms, player %.0f ms: %.2fx\n", (b2 - b1) / 1000, (p2 - p1) / 1000, (p2 - p1) / (b2 - b1) }'
MEASURE
xvfb-run -a bash "$work/measure.sh"
