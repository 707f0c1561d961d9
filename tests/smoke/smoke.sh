#!/usr/bin/env bash
# smoke.sh PROGRAM ARTIFACT_DIR
# Starts the viewer under Xvfb, checks the grid screen with its 25 icons, opens the
# Gregorian main page, clicks its central circle (the dated sheet opens maximised), checks
# that the mark blinks, and closes the program through its own window menu. Screenshots stay
# in ARTIFACT_DIR.
set -euo pipefail
program=$1
artifacts=$2
mkdir -p "$artifacts"
rm -f "$artifacts"/*.png

fail() { echo "smoke: $*" >&2; exit 1; }
for tool in Xvfb xdotool import convert compare; do command -v $tool >/dev/null || fail "$tool is not installed"; done

# Xvfb picks a free display itself and writes its number to the file once it accepts
# clients. The first server on a fresh machine compiles its keymap, so the bound is generous.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -f "$display_file"
}
trap cleanup EXIT
number=
for _ in $(seq 600); do
    number=$(head -n 1 "$display_file" 2>/dev/null || true)
    [ -n "$number" ] && break
    kill -0 "$xvfb" 2>/dev/null || fail "the X server (Xvfb) exited before it was ready"
    sleep 0.1
done
[ -n "$number" ] || fail "the X server (Xvfb) was not ready within 60 s"
export DISPLAY=":$number"

unset QT_QPA_PLATFORM
"$program" &
app=$!

window=
for _ in $(seq 600); do
    window=$(xdotool search --name "зувская календарная система" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || fail "the program exited at start-up"
    sleep 0.1
done
[ -n "$window" ] || fail "no window appeared within 60 s"
sleep 1.5
eval "$(xdotool getwindowgeometry --shell "$window")"   # X, Y, WIDTH, HEIGHT
[ "$WIDTH" = 640 ] && [ "$HEIGHT" = 465 ] || fail "window is ${WIDTH}x${HEIGHT}, expected 640x465"

shot() { import -window root "$artifacts/$1.png"; }
stddev() { convert "$1" -crop "$2" +repage -colorspace gray -format "%[fx:standard_deviation]" info:; }

shot 01-grid
# The grid panel: client (194, 24), 414 x 418; cells of 79 px from (9, 11).
for n in $(seq 0 24); do
    cx=$((X + 194 + 9 + (n % 5) * 79 + 8)); cy=$((Y + 24 + 11 + (n / 5) * 79 + 8))
    sd=$(stddev "$artifacts/01-grid.png" "63x63+$cx+$cy")
    awk -v s="$sd" 'BEGIN { exit !(s > 0.02) }' || fail "icon $((n + 1)) looks blank (deviation $sd)"
done
sd=$(stddev "$artifacts/01-grid.png" "193x465+$X+$Y")
awk -v s="$sd" 'BEGIN { exit !(s > 0.02) }' || fail "the section menu looks blank"

# Icon 2, the Gregorian system: its main page.
xdotool mousemove $((X + 194 + 9 + 79 + 40)) $((Y + 24 + 11 + 40)) click 1
sleep 1.5
shot 02-gregorian-main
# The central circle of the sheet view (client 194 + 207, 24 + 208).
xdotool mousemove $((X + 194 + 200)) $((Y + 24 + 200))
sleep 0.2
xdotool mousemove $((X + 194 + 207)) $((Y + 24 + 208))
sleep 0.3
xdotool click 1
for _ in $(seq 100); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$WIDTH" -gt 640 ] && break
    sleep 0.1
done
[ "$WIDTH" -gt 640 ] || fail "the dated sheet did not open maximised (${WIDTH}x${HEIGHT})"
sleep 1
# The mark changes colour once a second: two shots a little over a second apart differ in
# the mark alone. A loaded machine may delay a tick, so a few pairs are allowed.
total=$((WIDTH * HEIGHT))
changed=0
for _ in 1 2 3; do
    shot 03-dated-a
    sleep 1.05
    shot 04-dated-b
    changed=$(compare -metric AE "$artifacts/03-dated-a.png" "$artifacts/04-dated-b.png" null: 2>&1 || true)
    changed=${changed%% *}
    changed=${changed%.*}
    [ "$changed" -gt 50 ] && break
done
[ "$changed" -gt 50 ] || fail "the mark does not blink (only $changed pixels changed)"
[ "$changed" -lt $((total / 20)) ] || fail "more than the mark changed ($changed pixels)"

# Close through the window menu: top-right corner picture, last item "закрыть программу".
hs=$((HEIGHT / 20)); ws=$((WIDTH / 15))
xdotool mousemove $((X + WIDTH - ws / 2 - 1)) $((Y + hs / 2)) click 1
sleep 0.7
shot 05-window-menu
xdotool key Up Return
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then fail "the program did not close from its window menu"; fi
wait "$app" || fail "the program exited with an error"
app=
echo "smoke: grid, main page, blinking mark and closing all fine; screenshots in $artifacts"
