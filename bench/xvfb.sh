# Sourced by the start-up benchmarks: an X server of their own, started with -displayfd so that
# it picks a free display itself and says which once it accepts connections; every wait is
# bounded, a failure is one line on standard error and a non-zero exit, and whatever the script
# started (the X server, the program in `app`) is stopped on every way out.
#   start_xvfb LIMIT_S   exports DISPLAY, or fails
#   stop PID             politely, then for good after 2 s

fail() { echo "$(basename "$0"): $*" >&2; exit 1; }

xvfb=""
app=""
xvfb_work=$(mktemp -d) || fail "no temporary folder"

stop() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null; return 0; }
    for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}
xvfb_cleanup() { stop "$app"; stop "$xvfb"; rm -rf "$xvfb_work"; }
trap xvfb_cleanup EXIT
trap 'fail "interrupted"' INT TERM HUP
trap 'exit 1' PIPE   # nowhere left to say it; the EXIT trap still stops everything

# The last line a log holds, for the one-line failure message.
last_line() { [ -s "$1" ] && printf '; last output: "%s"' "$(tail -n 1 "$1" | tr -d '\r' | cut -c1-160)"; }

start_xvfb() {
    local limit_s=$1 number status from_xvfb
    command -v Xvfb >/dev/null || fail "Xvfb is not installed"
    exec {from_xvfb}< <(exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>"$xvfb_work/xvfb.log")
    xvfb=$!
    read -r -t "$limit_s" -u "$from_xvfb" number
    status=$?
    if [ "$status" -gt 128 ]; then fail "Xvfb reported no display within $limit_s s$(last_line "$xvfb_work/xvfb.log")"; fi
    [[ ${number:-} =~ ^[0-9]+$ ]] || fail "Xvfb exited before it reported a display$(last_line "$xvfb_work/xvfb.log")"
    exec {from_xvfb}<&-
    export DISPLAY=":$number"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}
