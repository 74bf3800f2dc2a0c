#!/usr/bin/env bash
# Builds the sound reader fuzzer with clang's libFuzzer and runs it for SECONDS
# seconds, starting from a small module, the program's sounds and the kept
# findings. Exits 77 (skipped) where clang or libFuzzer is missing.
#   run-fuzz.sh SOURCE_DIR WORK_DIR SECONDS
set -eu
src=$1 work=$2 seconds=$3
mkdir -p "$work/corpus"
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)

probe=$work/probe.cpp
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe"
if ! command -v clang++ >/dev/null || ! clang++ "${flags[@]}" "$probe" -o "$work/probe" 2>/dev/null; then
    echo "clang++ with libFuzzer is not installed here: skipping the fuzzer"
    exit 77
fi
clang++ "${flags[@]}" -I"$src" "$src/tests/fuzz/sound_fuzzer.cpp" "$src/sound/sound_module.cpp" \
    "$src/sound/wave_file.cpp" -o "$work/sound-fuzzer"

# The kept findings first: each must now pass.
shopt -s nullglob
findings=("$src"/tests/fuzz/findings/*)
[ ${#findings[@]} -eq 0 ] || "$work/sound-fuzzer" "${findings[@]}"

# libFuzzer draws its own seed unless MARBIX_SEED gives one; either is printed.
cp "$src"/tests/fuzz/seeds/* "$src"/res/module/*.wav "$work/corpus/"
"$work/sound-fuzzer" ${MARBIX_SEED:+-seed="$MARBIX_SEED"} -max_total_time="$seconds" -timeout=5 \
    -malloc_limit_mb=64 -rss_limit_mb=512 -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$work/" "$work/corpus" 2>"$work/log" ||
    { tail -n 40 "$work/log"; grep -m 1 '^INFO: Seed:' "$work/log"
      echo "findings are in $work: keep them in tests/fuzz/findings"; exit 1; }
seed=$(sed -n 's/^INFO: Seed: \([0-9]*\).*/\1/p' "$work/log" | head -n 1)
echo "seed $seed (replay with MARBIX_SEED=$seed)"
grep -E 'stat::number_of_executed_units|Done [0-9]+ runs' "$work/log" | tail -n 2
