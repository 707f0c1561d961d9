#!/usr/bin/env bash
# Set-up, build and run of the ZUV viewer on Debian 12 (as root).
#   ./zuv.sh run    installs what is missing, builds in Release and starts the viewer
#   ./zuv.sh test   installs what is missing, builds and runs the whole test suite
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake make g++ qt6-base-dev qt6-base-dev-tools libgl-dev
          fonts-dejavu-core fonts-liberation2 fonts-wine xvfb xauth xdotool x11-utils imagemagick)
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
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
