#!/usr/bin/env bash
# Start-up of the player on the demo game beside a bare Qt program (one frameless
# window, one picture, one line of text), from the process start to the opening
# screen painted and the program ended: alternated runs, offscreen and under a
# real X server (Xvfb), the medians and their ratio; then the peak memory of each.
#   bench/startup.sh BUILD_FOLDER [RUNS]
set -euo pipefail
build=$(realpath "${1:?usage: bench/startup.sh BUILD_FOLDER [RUNS]}")
runs=${2:-30}
src=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Playing writes the saved game: a copy of the demo. "wait 0" lets the pending
# events (the expose and the paint) be handled before the window closes.
cp -r "$src/games/demo" "$work/demo"
printf 'wait 0\nclose\n' > "$work/painted.walk"
cd "$work"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}
cat > "$work/measure.sh" <<MEASURE
set -euo pipefail
bare=("$build/bench/lumora_startup_bare" demo/abertura.jpg)
player=("$build/lumora" --play painted.walk demo)
[ "\$1" = offscreen ] && player=("$build/lumora" --headless --play painted.walk demo)
ns() { date +%s%N; }
once() { local t0; t0=\$(ns); "\$@" >/dev/null 2>&1; echo \$(( (\$(ns) - t0) / 1000 )); }
median() { printf '%s\n' "\$@" | sort -n | awk '{a[NR]=\$1} END {print a[int((NR+1)/2)]}'; }
b=() p=()
for ((i = 0; i < $runs; i++)); do b+=(\$(once "\${bare[@]}")); p+=(\$(once "\${player[@]}")); done
mb=\$(median "\${b[@]}") mp=\$(median "\${p[@]}")
rb=() rp=()
for ((i = 0; i < 5; i++)); do
  rb+=(\$(/usr/bin/time -f %M "\${bare[@]}" 2>&1 >/dev/null | tail -n 1))
  rp+=(\$(/usr/bin/time -f %M "\${player[@]}" 2>&1 >/dev/null | tail -n 1))
done
kb=\$(median "\${rb[@]}") kp=\$(median "\${rp[@]}")
awk -v b=\$mb -v p=\$mp -v kb=\$kb -v kp=\$kp -v n=$runs -v w="\$1" 'BEGIN {
  printf "%-9s bare %.1f ms, player %.1f ms: %.2fx (medians of %d alternated runs)\n", w, b / 1000, p / 1000, p / b, n
  printf "%-9s peak memory: bare %d KB, player %d KB: %.2fx\n", w, kb, kp, kp / kb }'
MEASURE
QT_QPA_PLATFORM=offscreen bash "$work/measure.sh" offscreen
xvfb-run -a bash "$work/measure.sh" xvfb
