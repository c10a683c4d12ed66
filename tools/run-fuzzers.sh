#!/usr/bin/env bash
# Runs every fuzz harness for the given number of seconds on a copy of its seed corpus, one
# after the other. Any finding (a crash, a sanitizer report, a failed round trip, a hang)
# ends the script with an error and leaves the input in build-fuzz/findings/.
#   tools/run-fuzzers.sh [SECONDS] [BUILD_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
build="${2:-build-fuzz}"

cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DMEMVALO_FUZZ=ON -DMEMVALO_GUI=OFF \
  -DMEMVALO_TESTS=OFF -DMEMVALO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

findings="$build/findings"
mkdir -p "$findings"
for source in fuzz/*_fuzzer.cpp; do
  harness="$(basename "$source" .cpp)"
  name="${harness%_fuzzer}"
  work="$(mktemp -d)"
  log="$findings/$name.log"
  status=0
  "$build/fuzz/$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -dict=fuzz/set_files.dict -artifact_prefix="$findings/$name-" -print_final_stats=1 \
    "$work" "fuzz/corpus/$name" >"$log" 2>&1 || status=$?
  rm -rf "$work"
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  echo "$harness: ${runs:-?} Läufe in $seconds s"
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2
    echo "$harness: Befund, die Eingabe liegt in $findings/" >&2
    exit 1
  fi
done
