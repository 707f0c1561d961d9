#!/usr/bin/env bash
# startup.sh PROGRAM [RUNS]: median time from process start to the first painted window
# under Xvfb (the window mapped and its grid screen drawn: not blank any more). Xvfb picks a
# free display itself and reports it on a pipe (-displayfd); every wait is bounded, and any
# failure is one line on standard error and a non-zero exit, with the program and the X server
# stopped on every way out.
set -uo pipefail

name="зувская календарная система"   # the main window's title, as xdotool searches for it
limit_ms=10000                         # bound of each wait: server, window, first paint

. "$(dirname "$0")/xvfb.sh"
[ $# -ge 1 ] && [ $# -le 2 ] || { echo "usage: startup.sh PROGRAM [RUNS]" >&2; exit 2; }
program=$1
runs=${2:-7}
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "startup.sh: RUNS must be a positive whole number, not '$runs'" >&2; exit 2; }
command -v "$program" >/dev/null || fail "$program is not an executable program"
for tool in xdotool import awk; do command -v "$tool" >/dev/null || fail "$tool is not installed"; done

# Deadlines are in microseconds of bash's own clock, read without starting a process.
limit_us=$(( limit_ms * 1000 ))
start_xvfb $((limit_ms / 1000))
work=$xvfb_work

times=()
for run in $(seq "$runs"); do
    log="$work/run$run.log"
    start=$(date +%s%N)
    "$program" >"$log" 2>&1 &
    app=$!
    deadline=$(( start / 1000 + limit_us ))
    window=""
    while :; do
        if ! kill -0 "$app" 2>/dev/null; then
            wait "$app"; status=$?; app=""
            fail "run $run: $program exited with status $status before its window was painted$(last_line "$log")"
        fi
        if [ -z "$window" ]; then
            window=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -1)
            # the first paint gets its own bound from the moment the window shows
            [ -z "$window" ] || deadline=$(( ${EPOCHREALTIME/[.,]/} + limit_us ))
        fi
        if [ -n "$window" ]; then
            # painted: the window's pixels are no longer one flat colour
            sd=$(import -window "$window" -colorspace gray -format "%[fx:standard_deviation]" info: 2>/dev/null || echo 0)
            if awk -v s="$sd" 'BEGIN { exit !(s > 0.05) }'; then break; fi
        fi
        if (( ${EPOCHREALTIME/[.,]/} > deadline )); then
            kill -0 "$xvfb" 2>/dev/null || fail "run $run: Xvfb exited$(last_line "$xvfb_work/xvfb.log")"
            if [ -z "$window" ]; then
                fail "run $run: no visible window named \"$name\" within $((limit_ms / 1000)) s$(last_line "$log")"
            fi
            fail "run $run: window $window was not painted within $((limit_ms / 1000)) s$(last_line "$log")"
        fi
    done
    end=$(date +%s%N)
    stop "$app"; app=""
    times+=($(( (end - start) / 1000000 )))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to first painted window under Xvfb: median ${sorted[$((runs / 2))]} ms over $runs runs (${times[*]})"
