#!/usr/bin/env bash
# Brings the translation catalogues (translations/ferol_LANG.ts) up to date with the
# window texts in src/: new texts are added unfinished, texts gone from the code are
# dropped. Run it after adding or changing a text, then commit the catalogues. The English
# catalogue holds only the texts with a count (%n), whose source reads "%n network(s)":
# it gives them their English singular and plural.
#
#   scripts/update-translations.sh [--check]
# --check changes nothing: it fails when a catalogue lacks a text of the code, keeps one
# the code no longer has, or has an entry still unfinished, and names each.
set -euo pipefail
cd "$(dirname "$0")/.."

languages=(de fr es pt_BR ru zh_CN)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
# Every folder with window texts; the core and the command line speak English only.
mapfile -t folders < <(find src -mindepth 1 -maxdepth 1 -type d \
    ! -name net ! -name cli ! -name testing | sort)

run_lupdate() { # catalogue file
    local only=()
    case "$(basename "$1")" in ferol_en.ts) only=(-pluralonly) ;; esac
    # No source locations: they would change with every edit of the code and make the
    # catalogues' merges conflict where no text changed.
    "$lupdate" -silent -locations none -no-obsolete "${only[@]}" -extensions cpp,h -I src \
        "${folders[@]}" -ts "$1"
}

catalogues=(translations/ferol_en.ts)
for language in "${languages[@]}"; do
    catalogues+=("translations/ferol_${language}.ts")
done

if [ "${1:-}" != "--check" ]; then
    for catalogue in "${catalogues[@]}"; do
        run_lupdate "$catalogue"
    done
    exit 0
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for catalogue in "${catalogues[@]}"; do
    if [ ! -f "$catalogue" ]; then
        echo "$catalogue: missing" >&2
        status=1
        continue
    fi
    cp "$catalogue" "$scratch/"
    copy="$scratch/$(basename "$catalogue")"
    run_lupdate "$copy"
    # lupdate itself never fails on these, so its result is compared with the committed file.
    if ! diff -q "$catalogue" "$copy" >/dev/null; then
        echo "$catalogue: out of date with the code (run scripts/update-translations.sh):" >&2
        diff "$catalogue" "$copy" | grep '^[<>] *<source>' | sed 's/^</  vanished:/; s/^>/  missing: /' >&2 || true
        status=1
    fi
    python3 - "$catalogue" <<'PY' || status=1
import sys
import xml.etree.ElementTree as ET

path = sys.argv[1]
bad = 0
for context in ET.parse(path).getroot().iter("context"):
    for message in context.iter("message"):
        translation = message.find("translation")
        kind = translation.get("type", "") if translation is not None else "missing"
        forms = list(translation.iter("numerusform")) if translation is not None else []
        empty = (not translation.text if not forms else any(not f.text for f in forms)) \
            if translation is not None else True
        if kind in ("unfinished", "vanished", "obsolete", "missing") or empty:
            bad += 1
            if bad <= 20:
                print(f"{path}: {kind or 'empty'}: {context.findtext('name')}: "
                      f"{message.findtext('source')!r}", file=sys.stderr)
if bad:
    print(f"{path}: {bad} entries not finished", file=sys.stderr)
    sys.exit(1)
PY
done
exit $status
