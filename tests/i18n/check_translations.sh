#!/usr/bin/env bash
# Every text of the player marked for translation has its Brazilian Portuguese
# translation: lupdate reads the sources into a copy of the .ts, and any text
# it finds without a finished translation (a new text, or one left unfinished)
# is named and fails. The repository's .ts is not touched.
# Usage: check_translations.sh LUPDATE SOURCE_ROOT TS_FILE
set -uo pipefail
lupdate=$1 root=$2 ts=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/check.ts"
cd "$root" || exit 1
report=$("$lupdate" -no-obsolete -locations none -extensions cpp,h \
  app qt platform tools shell input script nav view state media command form core -ts "$work/check.ts" 2>&1) ||
  { echo "FAIL: lupdate: $report"; exit 1; }
echo "$report" | tail -n 1
untranslated=$(python3 - "$work/check.ts" <<'PY'
import sys, xml.etree.ElementTree as ET
for context in ET.parse(sys.argv[1]).getroot():
    for message in context.findall('message'):
        translation = message.find('translation')
        if translation.get('type') == 'unfinished' or not (translation.text or '').strip():
            print(context.find('name').text + ': ' + message.find('source').text)
PY
)
if [ -n "$untranslated" ]; then
  echo "FAIL: texts without a translation in $ts (cmake --build build --target lumora_lupdate, then translate):"
  echo "$untranslated"
  exit 1
fi
echo "every text has its translation"
