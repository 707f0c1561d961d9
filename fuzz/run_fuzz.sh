#!/usr/bin/env bash
# run_fuzz.sh [SECONDS]: builds the fuzz targets with clang and libFuzzer and runs each for
# SECONDS (default 120). Needs the pictures of a release build: build/resources/generated, or
# the folder named by ZUV_PICTURES.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-120}
pictures="${ZUV_PICTURES:-$(pwd)/build/resources/generated}"
[ -d "$pictures" ] || { echo "build the program first (./zuv.sh test)" >&2; exit 2; }
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUV_FUZZ=ON \
      -DZUV_SANITIZE=ON -DZUV_BUILD_TESTS=OFF -DZUV_BUILD_BENCH=OFF -DZUV_PREBUILT_RESOURCES="$pictures" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_daytable fuzz_decode fuzz_fastpng
mkdir -p build-fuzz/corpus-daytable build-fuzz/corpus-decode build-fuzz/corpus-fastpng
cp "$pictures"/rcdata/KSIMG7.png "$pictures"/rcdata/PATENT.png build-fuzz/corpus-decode/ 2>/dev/null || true
convert -size 7x5 gradient:red-blue BMP3:build-fuzz/corpus-decode/small24.bmp 2>/dev/null || true  # a 24-bit bitmap
cp "$pictures"/rcdata/KSIMG7.png "$pictures"/rcdata/KSIMG2.png build-fuzz/corpus-fastpng/ 2>/dev/null || true
export ASAN_OPTIONS=detect_leaks=0
for target in daytable decode fastpng; do
    echo "== fuzz_$target for $seconds s"
    build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=4096 \
        build-fuzz/corpus-$target 2>&1 | tail -n 4
done
# The PNG path once more on its portable forms, which other processors run.
echo "== fuzz_fastpng on the portable forms for $seconds s"
ZUV_PORTABLE_PICTURES=1 build-fuzz/fuzz/fuzz_fastpng -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=4096 \
    build-fuzz/corpus-fastpng 2>&1 | tail -n 4
