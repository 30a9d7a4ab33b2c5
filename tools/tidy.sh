#!/usr/bin/env bash
# Runs the curated clang-tidy checks over the project's own sources (needs a configured build).
set -euo pipefail
cd "$(dirname "$0")/.."
[[ -f build/compile_commands.json ]] || cmake --preset default >/dev/null
clang-tidy -p build --quiet core/*.cpp log/*.cpp cli/*.cpp app/*.cpp chart/*.cpp window/*.cpp \
    export/*.cpp
