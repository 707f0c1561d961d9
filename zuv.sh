#!/usr/bin/env bash
# Set-up, build and run of the ZUV viewer on Debian 12 (as root).
#   ./zuv.sh run    installs what is missing, builds in Release and starts the viewer
#   ./zuv.sh test   installs what is missing, builds and runs the whole test suite
#   ./zuv.sh test-arm64 [quick]
#                   checks the port to 64-bit ARM: cross-builds for Debian arm64, runs the suites
#                   under qemu (quick: the calendar and picture suites only) and builds and checks
#                   the arm64 package
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ lld qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev zlib1g-dev libdeflate-dev
          libfontconfig-dev fonts-dejavu-core fonts-dejavu-extra fonts-liberation2 fonts-wine xvfb xauth xdotool x11-utils imagemagick)
# The cross build's own: the compilers, qemu, the target's libraries through multiarch, and the
# tools that check the package.
ARM64_PACKAGES=(crossbuild-essential-arm64 qemu-user-static libc6:arm64 qt6-base-dev:arm64 libdeflate-dev:arm64
                zlib1g-dev:arm64 libgl-dev:arm64 libfontconfig-dev:arm64 file dpkg-dev lintian desktop-file-utils appstream man-db)
BUILD_DIR=${ZUV_BUILD_DIR:-build}
ARM64_DIR=${ZUV_ARM64_BUILD_DIR:-build-arm64}

# install_missing [PACKAGE...]: installs those of the packages (default: PACKAGES) not installed.
install_missing() {
    local missing=()
    [ $# -gt 0 ] || set -- "${PACKAGES[@]}"
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "zuv: installing ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# configure DIR [CMAKE ARGS…]: a Ninja build in DIR; one made earlier with another generator is
# configured afresh (CMake cannot switch a folder's generator).
configure() {
    local dir=$1
    shift
    if [ -f "$dir/CMakeCache.txt" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$dir/CMakeCache.txt"; then
        rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
    fi
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}

build() {
    configure "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release "$@"
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
    # The monkey runs once, in the sanitizer build below, where it also catches what the
    # sanitizers see.
    (cd "$BUILD_DIR" && ctest --output-on-failure -j"$(nproc)" -E '^tst_monkey$')
    # The same suites again under AddressSanitizer, UndefinedBehaviorSanitizer and
    # LeakSanitizer, at -O1 with line tables (what the sanitizers' reports need); the pictures
    # drawn by the release build are reused. Any report fails.
    asan_dir="$BUILD_DIR-sanitize"
    pictures="$(cd "$BUILD_DIR" && pwd)/resources/generated"
    suppressions="$PWD/tests/sanitizers/lsan.supp"
    configure "$asan_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
              -DZUV_SANITIZE=ON -DZUV_BUILD_BENCH=OFF -DZUV_PREBUILT_RESOURCES="$pictures"
    cmake --build "$asan_dir" -j"$(nproc)"
    (cd "$asan_dir" &&
     ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
     UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
     LSAN_OPTIONS=suppressions="$suppressions":print_suppressions=0 \
     ctest --output-on-failure -j"$(nproc)" -E smoke_real_window)
    ;;
test-arm64)
    quick=0
    case "${2:-}" in
        quick) quick=1 ;;
        "") ;;
        *) echo "usage: $0 test-arm64 [quick]" >&2; exit 2 ;;
    esac
    if ! dpkg --print-foreign-architectures | grep -qx arm64; then
        echo "zuv: adding the arm64 architecture to dpkg"
        dpkg --add-architecture arm64
    fi
    install_missing "${PACKAGES[@]}" "${ARM64_PACKAGES[@]}"
    # The pictures are drawn on this machine by the native build's generator; the cross build
    # embeds them (rcc, a host tool, compiles them into an object for the target).
    configure "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release
    cmake --build "$BUILD_DIR" --target zuv_generated_resources -j"$(nproc)"
    pictures="$(cd "$BUILD_DIR" && pwd)/resources/generated"
    configure "$ARM64_DIR" -DCMAKE_BUILD_TYPE=Release -DZUV_BUILD_BENCH=OFF \
          -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/aarch64-linux-gnu.cmake" \
          -DZUV_PREBUILT_RESOURCES="$pictures" -DCPACK_DEBIAN_PACKAGE_ARCHITECTURE=arm64 >/dev/null
    # quick: the program and the calendar (tests/core) and picture (tests/imaging) suites.
    suite_dirs=("$ARM64_DIR/tests")
    if [ "$quick" = 1 ]; then
        suite_dirs=("$ARM64_DIR/tests/core" "$ARM64_DIR/tests/imaging")
        cmake --build "$ARM64_DIR" --target zuv -j"$(nproc)"
        cmake --build "$ARM64_DIR" -j"$(nproc)" --target tests/core/all tests/imaging/all
    else
        cmake --build "$ARM64_DIR" -j"$(nproc)"
    fi

    # The arm64 package, built from the cross build and checked as Debian's tools see it.
    (cd "$ARM64_DIR" && cpack -G DEB >/dev/null)
    deb="$ARM64_DIR/zuv_1.0.0_arm64.deb"
    [ "$(dpkg-deb -f "$deb" Architecture)" = arm64 ] || { echo "zuv: $deb is not labelled arm64" >&2; exit 1; }
    bash packaging/check-deb.sh "$deb"

    # Every suite but the real-window one, through qemu (ctest puts the toolchain's emulator
    # before each test program), on the offscreen platform. A failed suite fails the command.
    for d in "${suite_dirs[@]}"; do
        (cd "$d" && ctest --output-on-failure -j"$(nproc)" -E smoke_real_window)
    done
    # Which suites ran, through what, and what the programs are.
    echo "zuv: suites run for arm64:"
    for d in "${suite_dirs[@]}"; do
        (cd "$d" && ctest -N -V -E smoke_real_window)
    done | sed -n 's/^[0-9]*: Test command: //p' | tr -d '"' | while read -r emulator program _; do
        case "$emulator" in
            */qemu-aarch64-static) ;;
            *) echo "zuv: $program did not run through qemu ($emulator)" >&2; exit 1 ;;
        esac
        kind=$(file -b "$program")
        case "$kind" in
            *"ARM aarch64"*) ;;
            *) echo "zuv: $program is not an aarch64 program: $kind" >&2; exit 1 ;;
        esac
        echo "  ${program#"$PWD/"} (qemu-aarch64-static): ${kind%%, BuildID*}"
    done
    ;;
*)
    echo "usage: $0 run|test|test-arm64 [quick]" >&2
    exit 2
    ;;
esac
