#!/usr/bin/env bash
# Set-up, build and run of the ZUV viewer on Debian 12 (as root).
#   ./zuv.sh run    installs what is missing, builds in Release and starts the viewer
#   ./zuv.sh test   installs what is missing, builds and runs the whole test suite
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev zlib1g-dev libdeflate-dev
          fonts-dejavu-core fonts-dejavu-extra fonts-liberation2 fonts-wine xvfb xauth xdotool x11-utils imagemagick)
BUILD_DIR=${ZUV_BUILD_DIR:-build}

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "zuv: installing ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

build() {
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$BUILD_DIR" -j"$(nproc)"
}

case "${1:-}" in
run)
    install_missing
    build
    exec "$BUILD_DIR/src/app/zuv"
    ;;
test)
    install_missing
    build
    (cd "$BUILD_DIR" && ctest --output-on-failure -j"$(nproc)")
    # The same suites again under AddressSanitizer, UndefinedBehaviorSanitizer and
    # LeakSanitizer; the pictures drawn by the release build are reused. Any report fails.
    asan_dir="$BUILD_DIR-sanitize"
    pictures="$(cd "$BUILD_DIR" && pwd)/resources/generated"
    suppressions="$PWD/tests/sanitizers/lsan.supp"
    cmake -S . -B "$asan_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUV_SANITIZE=ON -DZUV_BUILD_BENCH=OFF \
          -DZUV_PREBUILT_RESOURCES="$pictures" >/dev/null
    cmake --build "$asan_dir" -j"$(nproc)"
    (cd "$asan_dir" &&
     ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
     UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
     LSAN_OPTIONS=suppressions="$suppressions":print_suppressions=0 \
     ctest --output-on-failure -j"$(nproc)" -E smoke_real_window)
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
