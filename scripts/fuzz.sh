#!/usr/bin/env bash
# Builds the decode fuzzer (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, over an instrumented libvorbis) and runs it for
# SECONDS (default 600), starting from the test tunes and the inputs that
# once failed (tests/fuzz/regressions). Usage: fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
out=build/fuzz
mkdir -p "$out/corpus" "$out/crashes"
scripts/build-vorbis.sh fuzz .cache/vorbis-fuzz

flags=(-std=c++17 -O1 -g -I. -I.cache/vorbis-fuzz/include -Wall -Wextra -Werror
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
clang++ "${flags[@]}" tests/fuzz/decode_fuzz.cpp sound/decode.cpp tests/native/memory_file.cpp \
  .cache/vorbis-fuzz/lib/libvorbisfile.a .cache/vorbis-fuzz/lib/libvorbis.a \
  .cache/vorbis-fuzz/lib/libogg.a -o "$out/decode_fuzz"

tests/fixtures/make-music.sh "$out/seeds"
rm -f "$out/seeds/long.ogg"  # 55 s per run would only slow it down
cp tests/fixtures/tiny.ogg tests/fuzz/regressions/* "$out/seeds/"

rm -f "$out"/crashes/*
echo "fuzz: running for $seconds s"
"$out/decode_fuzz" -max_total_time="$seconds" -max_len=65536 -timeout=20 -rss_limit_mb=4096 \
  -artifact_prefix="$out/crashes/" -print_final_stats=1 "$out/corpus" "$out/seeds" 2>&1 |
  tee "$out/fuzz.log" | grep -E "^#[0-9]+ +(INITED|DONE)|^Done|ERROR|SUMMARY|stat::number_of_executed_units|stat::peak_rss"
