#!/usr/bin/env bash
# replay.sh [BUILD]: times the driver binary on a 100,000-line script, five runs.
set -eu
build=${1:-build}
script=$(mktemp)
trap 'rm -f "$script"' EXIT
awk 'BEGIN { srand(3); print "seed 12345"; print "start";
     for (i = 2; i < 100000; i++) { r = int(rand() * 100);
       if (r < 80) print "click " (10000 + int(rand() * 81));
       else if (r < 88) print "tick " (1 + int(rand() * 5));
       else if (r < 92) print "skip"; else if (r < 95) print "undo";
       else if (r < 98) print "start"; else print "show" } }' >"$script"
for run in 1 2 3 4 5; do
    start=$(date +%s.%N)
    "$build/tools/marbix-headless" <"$script" >/dev/null
    end=$(date +%s.%N)
    echo "run $run: $(echo "$end - $start" | bc) s"
done
