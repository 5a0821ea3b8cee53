#!/usr/bin/env bash
# Configures and builds everything into build/ (warnings are errors): the "default"
# preset of CMakePresets.json.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default
cmake --build --preset default --parallel
