#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts Memvalo.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build
cmake --build build -j"$(nproc)"
exec build/memvalo "$@"
