#!/usr/bin/env bash
# Takes the README's pictures of a file changed on disk under Xvfb (needs xvfb, xdotool and
# imagemagick): the bar above the views, then the question Save asks over unsaved changes.
#   tools/screenshot-disk-change.sh BAR.png QUESTION.png
set -euo pipefail
export VQ_BAR="$1" VQ_QUESTION="$2"
export VQ_BIN="$(cd "$(dirname "$0")/.." && pwd)/build/varnoquil"
export VQ_DIR="$(mktemp -d)"
trap 'rm -rf "$VQ_DIR"' EXIT
cp "$(dirname "$0")/../resources/samples/php-sample.ini" "$VQ_DIR/php.ini"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$VQ_BIN" "$VQ_DIR/php.ini" &
    pid=$!
    for _ in $(seq 50); do win=$(xdotool search --name "^Varnoquil" 2>/dev/null | head -n1) && [ -n "$win" ] && break; sleep 0.2; done
    sleep 1
    # Another program turns a setting on and keeps the file'"'"'s size.
    sed -i "s/^short_open_tag = Off/short_open_tag = On /" "$VQ_DIR/php.ini"
    sleep 3
    import -window "$win" "$VQ_BAR"
    # The user edits a row in place, then saves.
    eval "$(xdotool getwindowgeometry --shell "$win")"
    xdotool mousemove $((X + 330)) $((Y + 130)) click 1
    sleep 0.3
    xdotool key F2; sleep 0.3; xdotool key End; xdotool type " ; mine"; xdotool key Return
    sleep 0.5
    xdotool key ctrl+s
    sleep 1.5
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$VQ_QUESTION"
    xdotool key Escape
    sleep 0.3
    kill $pid'
