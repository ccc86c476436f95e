#!/usr/bin/env bash
# Fails when a source text has no finished translation, or when a .ts file holds a text the
# source no longer has. Reads the source list the build wrote; changes nothing in the tree.
#   check-translations.sh SOURCES_LIST TS_FILE...
set -euo pipefail
list=$1
shift
lupdate=$(command -v lupdate || true)
[ -z "$lupdate" ] && [ -x /usr/lib/qt6/bin/lupdate ] && lupdate=/usr/lib/qt6/bin/lupdate
if [ -z "$lupdate" ]; then
  echo "lupdate is missing (qt6-l10n-tools)"
  exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$@"; do
  copy="$scratch/$(basename "$ts")"
  cp "$ts" "$copy"
  # Without -no-obsolete: a text gone from the source stays, marked vanished.
  "$lupdate" -silent -locations none -source-language fr "@$list" -ts "$copy" >"$scratch/log" 2>&1 || {
    cat "$scratch/log"
    exit 1
  }
  unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
  gone=$(grep -cE 'type="(vanished|obsolete)"' "$copy" || true)
  if [ "$unfinished" != 0 ] || [ "$gone" != 0 ]; then
    echo "$(basename "$ts"): $unfinished text(s) without a finished translation, $gone text(s) no longer in the source"
    # Name them, so that the translator knows where to look.
    python3 - "$copy" <<'PY'
import sys, xml.etree.ElementTree as ET
for ctx in ET.parse(sys.argv[1]).getroot():
    name = ctx.findtext("name")
    for m in ctx.findall("message"):
        t = m.find("translation")
        kind = t.get("type") if t is not None else None
        if kind in ("unfinished", "vanished", "obsolete"):
            print(f"  {kind}: [{name}] {m.findtext('source')!r}")
PY
    status=1
  fi
  if ! cmp -s <(grep -v '^<!DOCTYPE' "$ts") <(grep -v '^<!DOCTYPE' "$copy"); then
    [ "$status" = 0 ] && echo "$(basename "$ts") is not as lupdate writes it: run the update_translations target" && diff <(cat "$ts") "$copy" | head -20
    status=1
  fi
done
exit $status
