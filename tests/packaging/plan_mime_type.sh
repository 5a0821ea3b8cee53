#!/usr/bin/env bash
# The desktop knows the program's plan files: the shared MIME database, rebuilt from the
# program's type file as Debian's trigger rebuilds it, names the type of a .ferolplan file
# as a kind of JSON, and the desktop entry offers the program for exactly the types that
# file defines, handing it the file's path.
# Usage: plan_mime_type.sh <mime type file> <desktop entry>
set -euo pipefail

mime_file=$1
entry=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$work/mime/packages"
cp "$mime_file" "$work/mime/packages/"
XDG_DATA_DIRS="$work" update-mime-database "$work/mime" 2>"$work/errors" || { cat "$work/errors" >&2; fail "rejected"; }
[ ! -s "$work/errors" ] || { cat "$work/errors" >&2; fail "update-mime-database complained"; }

type=application/x-ferol-plan+json
grep -qx "50:$type:\*\.ferolplan" "$work/mime/globs2" || fail "no glob for *.ferolplan"
grep -qx "$type application/json" "$work/mime/subclasses" || fail "not a kind of JSON"

defined=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime_file" | sort | tr '\n' ';')
offered=$(sed -n 's/^MimeType=//p' "$entry" | tr ';' '\n' | sed '/^$/d' | sort | tr '\n' ';')
[ "$defined" = "$offered" ] || fail "the type file defines '$defined', the entry offers '$offered'"
grep -Eq '^Exec=.* %f$' "$entry" || fail "the entry's Exec does not take one file (%f)"
echo "ok: $type"
