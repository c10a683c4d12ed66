#!/bin/bash
# interleave.sh RUNS 'COMMAND A' 'COMMAND B' [PREPARE]
# Runs A and B in turn, RUNS times each after one warm-up run each, output discarded, so that
# both meet the same load of the machine; PREPARE (if given) runs before every run of either.
# Prints the median wall time of A and of B in ms and the median of the pairwise ratios A/B.
set -eu
runs=$1 a=$2 b=$3 prepare=${4:-}

timed() {
    [ -z "$prepare" ] || eval "$prepare" >/dev/null 2>&1 || true
    local start=$EPOCHREALTIME
    eval "$1" >/dev/null 2>&1 || true
    local end=$EPOCHREALTIME
    echo "(${end/./} - ${start/./}) / 1000" | bc -l
}

median() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

timed "$a" >/dev/null
timed "$b" >/dev/null
: >"${TMPDIR:-/tmp}/interleave.$$.a"
: >"${TMPDIR:-/tmp}/interleave.$$.b"
: >"${TMPDIR:-/tmp}/interleave.$$.r"
for ((i = 0; i < runs; ++i)); do
    ta=$(timed "$a")
    tb=$(timed "$b")
    echo "$ta" >>"${TMPDIR:-/tmp}/interleave.$$.a"
    echo "$tb" >>"${TMPDIR:-/tmp}/interleave.$$.b"
    echo "$ta / $tb" | bc -l >>"${TMPDIR:-/tmp}/interleave.$$.r"
done
printf 'A %.2f ms  B %.2f ms  A/B %.3f (medians of %d pairs)\n' \
    "$(median <"${TMPDIR:-/tmp}/interleave.$$.a")" "$(median <"${TMPDIR:-/tmp}/interleave.$$.b")" \
    "$(median <"${TMPDIR:-/tmp}/interleave.$$.r")" "$runs"
rm -f "${TMPDIR:-/tmp}"/interleave.$$.[abr]
