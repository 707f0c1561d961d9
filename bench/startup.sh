#!/usr/bin/env bash
# startup.sh PROGRAM [RUNS]: median time from process start to the first painted window
# under Xvfb (the window mapped and its grid screen drawn: not blank any more).
set -euo pipefail
program=$1
runs=${2:-7}
display=":$((600 + RANDOM % 300))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
unset QT_QPA_PLATFORM
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
times=()
for run in $(seq "$runs"); do
    start=$(date +%s%N)
    "$program" &
    app=$!
    while :; do
        window=$(xdotool search --onlyvisible --name "зувская календарная система" 2>/dev/null | head -1 || true)
        if [ -n "$window" ]; then
            # painted: the window's pixels are no longer one flat colour
            sd=$(import -window "$window" -colorspace gray -format "%[fx:standard_deviation]" info: 2>/dev/null || echo 0)
            if awk -v s="$sd" 'BEGIN { exit !(s > 0.05) }'; then break; fi
        fi
    done
    end=$(date +%s%N)
    kill "$app"; wait "$app" 2>/dev/null || true
    times+=($(( (end - start) / 1000000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to first painted window under Xvfb: median ${sorted[$((runs / 2))]} ms over $runs runs (${times[*]})"
