#!/usr/bin/env bash
# Takes the README's pictures of the About box and of its game under Xvfb (needs xvfb, xdotool
# and imagemagick):  tools/screenshot-about.sh ABOUT.png GAME.png
set -euo pipefail
export VQ_BIN="$(cd "$(dirname "$0")/.." && pwd)/build/varnoquil" VQ_ABOUT="$1" VQ_GAME="$2"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$VQ_BIN" &
    pid=$!
    for _ in $(seq 50); do main=$(xdotool search --name "^Varnoquil" 2>/dev/null | head -n1) && [ -n "$main" ] && break; sleep 0.2; done
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove $((X + 250)) $((Y + 10)) click 1   # the Help menu
    sleep 0.5
    xdotool key Up Return                                # its last entry: About
    for _ in $(seq 25); do box=$(xdotool search --name "^关于$" 2>/dev/null | head -n1) && [ -n "$box" ] && break; sleep 0.2; done
    sleep 0.5
    import -window "$box" "$VQ_ABOUT"
    eval "$(xdotool getwindowgeometry --shell "$box")"
    # A right click sends the information panel away; the playfield is clickable at the next step.
    xdotool mousemove $((X + 160)) $((Y + 80)) click 3
    sleep 2.5
    # Shift and a right click on the playfield start a ball; Up lifts the bat into its way.
    xdotool mousemove $((X + 60)) $((Y + 60)) keydown shift click 3 keyup shift
    xdotool keydown Up; sleep 0.2; xdotool keyup Up
    sleep 5
    import -window "$box" "$VQ_GAME"
    kill $pid'
