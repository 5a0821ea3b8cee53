#!/usr/bin/env bash
# Checks the code against the committed .clang-format and .clang-tidy; any finding fails.
# Formatting is checked on every file (a second). clang-tidy parses each file with all
# its Qt headers, several seconds a file, so by default it checks only what changed since
# the commit in .ci/tidy-base, the last one at which every file passed: each changed
# source, and each source that includes a changed header (the build's own dependency
# records say which). --all checks every file and, when all pass, writes HEAD into
# .ci/tidy-base (commit that). Needs a configured and built build/ (scripts/build.sh);
# fuzz/ is formatted but not tidied, as only the fuzz build compiles it.
#   bash scripts/check-style.sh [--all]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/compile_commands.json ]; then
    echo "No build/compile_commands.json: build first (bash scripts/build.sh)" >&2
    exit 1
fi

git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run -Werror

if [ "${1:-}" = --all ]; then
    changed=""
else
    changed=$(git diff --name-only "$(cat .ci/tidy-base)" -- '*.cpp' '*.h')
fi
# The build's sources (not its generated files) to check, one per line.
mapfile -t checked < <(ninja -C build -t deps | python3 -c '
import os, sys
everything = sys.argv[1] == "--all"
changed = set(sys.argv[2].split())
# ninja -t deps: "object: #deps ..." and then, indented, the files it was compiled from,
# its source first, relative to build/.
picked, source, first = set(), None, False
for line in sys.stdin:
    if not line.startswith(" "):
        source, first = None, bool(line.strip())
    elif line.strip():
        path = os.path.relpath(os.path.normpath(os.path.join("build", line.strip())))
        if first:
            first = False
            if path.endswith(".cpp") and not path.startswith(("build", "..")):
                source = path
        if source and (everything or path in changed):
            picked.add(source)
for source in sorted(picked):
    print(source)
' "${1:-}" "$changed")

echo "clang-tidy on ${#checked[@]} files"
if [ "${#checked[@]}" -gt 0 ]; then
    printf '%s\n' "${checked[@]}" |
        xargs -P "$(nproc)" -n 4 clang-tidy-14 -p build --quiet 2>/dev/null
fi
if [ "${1:-}" = --all ]; then
    git rev-parse HEAD > .ci/tidy-base
fi
