#!/usr/bin/env bash
# Every file the player puts in place was synced before its rename, and every
# save of several files synced its folder twice (before and after the renames):
# a walk through the demo's places under a preloaded library that counts the
# syncs, the saves committed and the files put in place.
#   check_syncs.sh PLAYER SYNC_LIBRARY DEMO
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$3" "$work/demo"
printf 'resume\ntype jardim\ntype pegar chave\ntype entrada\ntype abrir porta\ntype sala\ntype biblioteca\n' > "$work/w.walk"
LD_PRELOAD="$2" LUMORA_SYNC_MS=0 LUMORA_SYNC_COUNT="$work/count" QT_QPA_PLATFORM=offscreen \
  "$1" --headless --play "$work/w.walk" "$work/demo" > /dev/null
read -r syncs commits placed < "$work/count"
echo "$syncs syncs, $commits saves committed, $placed files put in place"
[ "$commits" -ge 1 ] || { echo "no save was committed"; exit 1; }
[ "$syncs" -eq $((placed + 2 * commits)) ] || { echo "expected $((placed + 2 * commits)) syncs"; exit 1; }
