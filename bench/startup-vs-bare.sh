#!/usr/bin/env bash
# startup-vs-bare.sh BUILD_DIR [ROUNDS]: the viewer's start-up (bench/startup/probe_zuv: the
# program's own start, ending at the main window's first paint) beside a bare Qt Widgets window
# of the same size, flags and title (probe_bare), as whole processes under one Xvfb. Each round
# runs both with hyperfine, in turns (which goes first alternates); the result is the median of
# each program's round medians and their ratio. Each run starts after a pause: a process started
# while the last one is still being cleaned up after (by the X server and the system) took
# 20-30 ms longer, whichever program it was.
set -uo pipefail

. "$(dirname "$0")/xvfb.sh"
[ $# -ge 1 ] && [ $# -le 2 ] || { echo "usage: startup-vs-bare.sh BUILD_DIR [ROUNDS]" >&2; exit 2; }
zuv="$1/bench/startup/probe_zuv"
bare="$1/bench/startup/probe_bare"
rounds=${2:-5}
[[ $rounds =~ ^[1-9][0-9]*$ ]] || { echo "startup-vs-bare.sh: ROUNDS must be a positive whole number" >&2; exit 2; }
for p in "$zuv" "$bare"; do [ -x "$p" ] || fail "$p is not built (the bench targets of $1)"; done
command -v hyperfine >/dev/null || fail "hyperfine is not installed"

start_xvfb 10
medians_zuv=()
medians_bare=()
for round in $(seq "$rounds"); do
    order=("$zuv" "$bare")
    (( round % 2 )) || order=("$bare" "$zuv")
    csv="$xvfb_work/round$round.csv"
    # --time-unit: hyperfine would print seconds; -N: no shell between it and the program.
    timeout 300 hyperfine -N --warmup 2 --runs 15 --prepare "sleep 0.2" --time-unit millisecond --style none \
        --export-csv "$csv" "${order[@]}" >"$xvfb_work/hyperfine.log" 2>&1 ||
        fail "round $round: hyperfine failed$(last_line "$xvfb_work/hyperfine.log")"
    # command,mean,stddev,median,… in seconds
    while IFS=, read -r command _ _ median _; do
        ms=$(awk -v s="$median" 'BEGIN { printf "%.1f", s * 1000 }')
        case "$command" in
            "$zuv") medians_zuv+=("$ms") ;;
            "$bare") medians_bare+=("$ms") ;;
        esac
    done < <(tail -n +2 "$csv")
done
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
z=$(median "${medians_zuv[@]}")
b=$(median "${medians_bare[@]}")
echo "viewer to first paint: median $z ms (rounds: ${medians_zuv[*]})"
echo "bare Qt window:        median $b ms (rounds: ${medians_bare[*]})"
awk -v z="$z" -v b="$b" 'BEGIN { printf "ratio: %.2f × the bare window\n", z / b }'
