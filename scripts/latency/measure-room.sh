#!/usr/bin/env bash
# Measures what a user waits for in a live draft: from Enter in the pick window to the banner
# drawn with the next team, in the desktop program at 1024 x 700 under a window manager, driven
# by the keyboard alone (xdotool) and read off the screen (screen-change polls the banner's
# pixels). Prints each pick's milliseconds, the median and the machine's load.
#
#   scripts/latency/measure-room.sh BUILD_DIR [snake|auction] [PICKS]
#
# Needs Xvfb, openbox, xdotool and libx11-dev; the build should be a Release one.
set -euo pipefail
build=$(realpath "${1:?usage: measure-room.sh BUILD_DIR [snake|auction] [PICKS]}")
kind=${2:-snake}
picks=${3:-30}
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
display=:${QUORVANE_LATENCY_DISPLAY:-71}
export QUORVANE_DATA_DIR=$work/data HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$QUORVANE_DATA_DIR" "$HOME"
cli=$build/src/cli/quorvane-draft-cli
"$cli" init > /dev/null
if [ "$kind" = auction ]; then
    "$cli" new-draft Bench --teams 12 --auction --rotisserie > /dev/null
else
    "$cli" new-draft Bench --teams 12 --draft --rotisserie > /dev/null
fi
g++ -O2 -std=c++20 -o "$work/screen-change" "$here/screen-change.cpp" -lX11

Xvfb "$display" -screen 0 1024x700x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=$display openbox > /dev/null 2>&1 &
wm=$!
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/src/gui/quorvane-draft" > "$work/app.log" 2>&1 &
app=$!
trap 'kill $app $wm $xvfb 2> /dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
sleep 6
xdotool key Return  # opens the draft the start-up offers
sleep 3
window=$(xdotool search --name "Draft Software" | head -1)
xdotool windowmove "$window" 0 0 windowsize "$window" 1022 678
sleep 2

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
times=()
for ((pick = 1; pick <= picks; ++pick)); do
    xdotool key ctrl+k
    sleep 0.3
    xdotool type a
    sleep 0.6
    xdotool key Return  # the pick window
    sleep 1.2
    if [ "$kind" = auction ]; then
        xdotool type 1  # the price; the buyer is the team that nominated
        sleep 0.3
    fi
    # The left of the banner, out of the pick window's way.
    ms=$("$work/screen-change" 5 66 240 18 Return)
    echo "pick $pick: $ms ms"
    times+=("$ms")
    sleep 1.5
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%s\n' "${times[@]}" | grep -v timeout | sort -n |
    awk '{ a[NR] = $1 } END { if (NR) printf "median %.1f ms over %d picks (min %.1f, max %.1f)\n", (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2), NR, a[1], a[NR] }'
