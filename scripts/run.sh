#!/usr/bin/env bash
# Builds ひのもり and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build
cmake --preset default >/dev/null
cmake --build --preset default
exec build/default/hinomori "$@"
