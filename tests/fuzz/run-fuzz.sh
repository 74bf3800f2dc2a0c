#!/usr/bin/env bash
# Builds fuzzers with clang's libFuzzer and runs each for SECONDS seconds,
# starting from the seeds (small files of its kind) and the kept findings:
#   sound   the sound module and WAVE readers, also from the program's sounds
#   record  the recorded-game reader, what it accepts played through the engine
# Exits 77 (skipped) where clang or libFuzzer is missing.
#   run-fuzz.sh SOURCE_DIR WORK_DIR SECONDS [NAME...]   (no NAME: all of them)
set -eu
src=$1 work=$2 seconds=$3
shift 3
names=("$@")
[ ${#names[@]} -gt 0 ] || names=(sound record)
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
mkdir -p "$work"

probe=$work/probe.cpp
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe"
if ! command -v clang++ >/dev/null || ! clang++ "${flags[@]}" "$probe" -o "$work/probe" 2>/dev/null; then
    echo "clang++ with libFuzzer is not installed here: skipping the fuzzer"
    exit 77
fi

# The sources of each fuzzer, its seeds, and the longest input it is given.
sources_sound=(sound/sound_module.cpp sound/wave_file.cpp)
seeds_sound=("$src"/tests/fuzz/seeds/*.wav "$src"/tests/fuzz/seeds/*.snd "$src"/res/module/*.wav)
max_len_sound=4096
sources_record=(record/game_record.cpp app/replay.cpp app/game.cpp app/game_recorder.cpp
    app/frame_logic.cpp record/record_store.cpp record/record_file.cpp engine/field_game.cpp
    engine/cell.cpp engine/cue.cpp engine/settings.cpp score/score_keeper.cpp
    score/hiscore_list.cpp score/name_dlg.cpp score/text_length.cpp platform/profile.cpp
    platform/profile_text.cpp platform/profile_location.cpp platform/whole_file.cpp)
seeds_record=("$src"/tests/fuzz/seeds/*.marbix-game)
max_len_record=16384

shopt -s nullglob
for name in "${names[@]}"; do
    declare -n sources=sources_$name seeds=seeds_$name max_len=max_len_$name
    dir=$work/$name
    mkdir -p "$dir/corpus"
    clang++ "${flags[@]}" -I"$src" "$src/tests/fuzz/${name}_fuzzer.cpp" "${sources[@]/#/$src/}" \
        -o "$dir/fuzzer"
    # The kept findings first: each must now pass.
    findings=("$src"/tests/fuzz/findings/"$name"-*)
    [ ${#findings[@]} -eq 0 ] || "$dir/fuzzer" "${findings[@]}"
    cp "${seeds[@]}" "$dir/corpus/"
    # libFuzzer draws its own seed unless MARBIX_SEED gives one; either is printed.
    "$dir/fuzzer" ${MARBIX_SEED:+-seed="$MARBIX_SEED"} -max_total_time="$seconds" -timeout=5 \
        -malloc_limit_mb=64 -rss_limit_mb=512 -max_len="$max_len" -print_final_stats=1 \
        -artifact_prefix="$dir/" "$dir/corpus" 2>"$dir/log" ||
        { tail -n 40 "$dir/log"; grep -m 1 '^INFO: Seed:' "$dir/log"
          echo "findings are in $dir: keep them in tests/fuzz/findings as $name-*"; exit 1; }
    seed=$(sed -n 's/^INFO: Seed: \([0-9]*\).*/\1/p' "$dir/log" | head -n 1)
    echo "$name: seed $seed (replay with MARBIX_SEED=$seed)"
    grep -E 'stat::number_of_executed_units|Done [0-9]+ runs' "$dir/log" | tail -n 2
    unset -n sources seeds max_len
done
