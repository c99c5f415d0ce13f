#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs:
# the files in place, the desktop entry and the metainfo valid, the man page
# rendering without warnings, and the installed program finding its demo (as
# the desktop entry starts it) and its modules (the sound's is loaded with the
# demo's first click). Then it makes the Debian package and has lintian check
# it: any error or warning fails.
# Usage: check_install.sh BUILD_DIR VERSION [PACKAGE]
# PACKAGE "no": no package (a sanitizer build's is not the one shipped).
set -uo pipefail
build=$1 version=$2 package=${3:-yes}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

id=io.github.lumora.Lumora
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
man=$prefix/share/man/man6/lumora.6.gz
files=(games/lumora lib/games/lumora/liblumora_webengine.so share/games/lumora/demo/demo.ini
  share/icons/hicolor/scalable/apps/lumora.svg share/doc/lumora/copyright share/doc/lumora/changelog.gz
  share/man/pt_BR/man6/lumora.6.gz share/man/man5/lumora-jogo.5.gz share/man/pt_BR/man5/lumora-jogo.5.gz
  share/games/lumora/translations/lumora_pt_BR.qm)
for size in 48 128 256; do files+=("share/icons/hicolor/${size}x${size}/apps/lumora.png"); done
# The optional modules install when the build has them.
for module in liblumora_sdlaudio.so liblumora_speech.so; do
  [ -e "$build/$module" ] && files+=("lib/games/lumora/$module")
done
for f in "${files[@]}" "${desktop#$prefix/}" "${metainfo#$prefix/}" "${man#$prefix/}"; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done
for size in 48 128 256; do
  file "$prefix/share/icons/hicolor/${size}x${size}/apps/lumora.png" | grep -q "$size x $size" || fail "icon not $size px"
done

out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo without release $version"
for page in "$man" "$prefix"/share/man/pt_BR/man6/lumora.6.gz "$prefix"/share/man/{,pt_BR/}man5/lumora-jogo.5.gz; do
  out=$(zcat "$page" | preconv | groff -ww -z -man 2>&1) && [ -z "$out" ] || fail "groff warnings in $page: $out"
  # As lintian reads a page: man's own warnings, in UTF-8.
  out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) && [ -z "$out" ] ||
    fail "man warnings in $page: $out"
done
# The game-writing page lists the commands of the installed program.
MANWIDTH=200 man -l "$prefix/share/man/man5/lumora-jogo.5.gz" 2>/dev/null | grep -q "ifreg= register,text,label" ||
  fail "lumora-jogo(5) without its keyword list"
MANWIDTH=80 man -l "$man" >/dev/null 2>&1 || fail "man -l $man"
MANWIDTH=80 man -l "$man" 2>/dev/null | grep -q "lumora $version" || fail "man page without version $version"

# The changelog's latest entry is this version (lintian reads the package's).
zcat "$prefix/share/doc/lumora/changelog.gz" | head -n 1 | grep -q "^lumora ($version) " ||
  fail "the changelog's latest entry is not $version"

exe=$prefix/games/lumora
[ "$("$exe" --version)" = "lumora $version" ] || fail "lumora --version: $("$exe" --version 2>&1)"
# The installed program finds its translation.
LANGUAGE=pt_BR "$exe" --help | head -n 1 | grep -q "^Uso: lumora" || fail "no Portuguese help from the installed program"
# The desktop entry's command with a file checks the installed demo; without
# one it opens the library, which holds the installed demo.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
read -r -a command <<<"$exec_line"
[ "${command[0]}" = lumora ] || fail "Exec runs ${command[0]}"
for file in "" "$prefix/share/games/lumora/demo/demo.ini"; do
  args=()
  for a in "${command[@]:1}"; do
    if [ "$a" = %f ]; then [ -n "$file" ] && args+=("$file"); else args+=("$a"); fi
  done
  if [ -n "$file" ]; then
    out=$("$exe" --check "${args[@]}" 2>&1) || fail "Exec with '$file': $out"
  else
    [ ${#args[@]} -eq 0 ] || fail "Exec without a file passes ${args[*]}"
    out=$(XDG_CONFIG_HOME="$prefix/config" XDG_CACHE_HOME="$prefix/cache" "$exe" --library list 2>&1) ||
      fail "the library: $out"
    grep -q '"installed":true' <<<"$out" || fail "the library lacks the installed demo: $out"
  fi
done

if [ -e "$build/liblumora_sdlaudio.so" ]; then
  walk=$prefix/walk.txt
  printf 'start\nquit\n' >"$walk"
  out=$(QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$exe" --play "$walk" --demo 2>&1) || fail "playing the demo: $out"
  if grep -q "no sound" <<<"$out"; then fail "the installed sound module was not found: $out"; fi
fi

# The Debian package, made as the README says, checked as Debian checks one.
if [ "$package" = no ]; then
  echo "the package is checked in the plain build, not in this one"
elif command -v lintian >/dev/null; then
  if cpack --config "$build/CPackConfig.cmake" -G DEB -B "$prefix/package" >"$prefix/cpack.log" 2>&1; then
    deb=$(ls "$prefix"/package/*.deb)
    out=$(lintian --tag-display-limit 0 "$deb" 2>&1)
    echo "lintian: ${out:-no tags}"
    grep -qE '^[EW]: ' <<<"$out" && fail "lintian gives errors or warnings"
  else
    fail "cpack -G DEB: $(cat "$prefix/cpack.log")"
  fi
else
  echo "SKIPPED: lintian is not installed (scripts/setup installs it); the package is not checked"
fi

[ "$failures" -eq 0 ] && echo "installed and checked in $prefix"
exit $((failures > 0))
