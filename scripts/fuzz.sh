#!/usr/bin/env bash
# fuzz.sh [SECONDS]: builds the libFuzzer targets (clang, ASan, UBSan) and runs each for
# SECONDS (default 600). The test command runs it briefly; run it longer by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
corpus=build/fuzz/corpus
[ -d "$corpus/gif" ] || bash fuzz/make-gif-seeds.sh "$corpus/gif" >/dev/null
mkdir -p "$corpus/id3v1"
status=0
run() {
    local name=$1; shift
    echo "fuzz: $name for ${seconds}s"
    if ! build/fuzz/fuzz/"$name" -max_total_time="$seconds" -print_final_stats=0 "$@" \
            -artifact_prefix=build/fuzz/"$name"- "$corpus/${name%_fuzz}" > build/fuzz/"$name".log 2>&1; then
        echo "fuzz: $name FAILED (log: build/fuzz/$name.log)"
        tail -n 30 build/fuzz/"$name".log
        status=1
    else
        echo "fuzz: $name ok ($(grep -c . build/fuzz/"$name".log) log lines, corpus $(ls "$corpus/${name%_fuzz}" | wc -l) inputs)"
    fi
}
run gif_fuzz -dict=fuzz/gif.dict
run id3v1_fuzz
exit $status
