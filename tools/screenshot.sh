#!/usr/bin/env bash
# Takes the README's screenshots of the real window under Xvfb (needs xvfb, xdotool, imagemagick).
#   tools/screenshot.sh FILE OUT.png [KEYS...]   keys are sent to the topic tree after the open
#   VQ_ARGS="--lang en" tools/screenshot.sh ...   the window in English
set -euo pipefail
file=$1; out=$2; shift 2
bin="$(cd "$(dirname "$0")/.." && pwd)/build/varnoquil"
export VQ_FILE="$file" VQ_OUT="$out" VQ_BIN="$bin" VQ_KEYS="$*"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$VQ_BIN" ${VQ_ARGS:-} "$VQ_FILE" &
    pid=$!
    for _ in $(seq 50); do win=$(xdotool search --name "^Varnoquil" 2>/dev/null | head -n1) && [ -n "$win" ] && break; sleep 0.2; done
    sleep 1
    if [ -n "$VQ_KEYS" ]; then
        eval "$(xdotool getwindowgeometry --shell "$win")"
        xdotool mousemove $((X + 60)) $((Y + 75)) click 1
        for k in $VQ_KEYS; do xdotool key "$k"; sleep 0.2; done
        xdotool mousemove $((X + 400)) $((Y + 470))
        sleep 0.5
    fi
    import -window "$win" "$VQ_OUT"
    kill $pid'
