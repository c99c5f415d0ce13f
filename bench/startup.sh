#!/usr/bin/env bash
# Start-up of the player on the demo game beside the bare Qt program, from the
# process start to the opening screen painted and the program ended, on the
# offscreen platform and under a real X server (Xvfb). Needs hyperfine.
#   bench/startup.sh BUILD_FOLDER [RUNS]
set -euo pipefail
build=$(realpath "${1:?usage: bench/startup.sh BUILD_FOLDER [RUNS]}")
runs=${2:-40}
src=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Playing writes the saved game: a copy of the demo.
cp -r "$src/games/demo" "$work/demo"
# "close" alone comes before the window's first paint; "wait 0" lets the
# pending events (the expose and the paint) be handled first.
printf 'close\n' > "$work/close.walk"
printf 'wait 0\nclose\n' > "$work/painted.walk"
cd "$work"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}
bare="$build/bench/lumora_startup_bare demo/abertura.jpg"
player="$build/lumora"
echo "== offscreen"
hyperfine -N --warmup 3 --runs "$runs" \
  -n bare "env QT_QPA_PLATFORM=offscreen $bare" \
  -n "player close" "$player --headless --play close.walk demo" \
  -n "player painted" "$player --headless --play painted.walk demo"
echo "== X (xvfb-run)"
xvfb-run -a hyperfine -N --warmup 3 --runs "$runs" \
  -n bare "$bare" \
  -n "player close" "$player --play close.walk demo" \
  -n "player painted" "$player --play painted.walk demo"
