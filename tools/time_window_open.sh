#!/usr/bin/env bash
# Times how long a desktop editor takes to show a file: from its start until its window is
# mapped and the program has gone idle (no processor time used for 300 ms), and its peak memory.
# Run it on an X display (Xvfb does: xvfb-run -a tools/time_window_open.sh ...). Prints
#   "<label>: N ms to idle with the window shown, peak resident M MB"
#   [ANSWER="TITLE KEYS"] tools/time_window_open.sh LABEL FILE COMMAND [ARGS...]   (FILE after ARGS)
# With ANSWER, a window titled TITLE that the program shows first (a question about the file's
# size) is answered with the keys (xdotool's names), and the time counts from the answer.
set -euo pipefail
label=$1 file=$2
shift 2
tick=$(getconf CLK_TCK)
start=$(date +%s%N)
"$@" "$file" >/dev/null 2>&1 &
pid=$!
shown=""
last_cpu=-1 still_since=0
if [ -n "${ANSWER:-}" ]; then
    read -r title keys <<<"$ANSWER"
    until question=$(xdotool search --onlyvisible --pid "$pid" --name "^$title\$" 2>/dev/null | head -1) && [ -n "$question" ]; do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.02
    done
    sleep 0.2
    xdotool key --window "$question" $keys
    start=$(date +%s%N)
fi
while kill -0 "$pid" 2>/dev/null; do
    now=$(date +%s%N)
    [ -z "$shown" ] && xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 && shown=$now
    read -r -a stat < "/proc/$pid/stat"
    cpu=$((stat[13] + stat[14]))
    if [ -n "$shown" ] && [ "$cpu" = "$last_cpu" ]; then
        if [ $((now - still_since)) -ge 300000000 ]; then
            break
        fi
    else
        still_since=$now
        last_cpu=$cpu
    fi
    if [ $(( (now - start) / 1000000000 )) -ge 300 ]; then
        echo "$label: still busy after 300 s" >&2
        break
    fi
    sleep 0.02
done
peak=$(awk '/VmHWM/ {print int($2 / 1024)}' "/proc/$pid/status" 2>/dev/null || echo "?")
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "$label: $(( (still_since - start) / 1000000 )) ms to idle with the window shown, peak resident $peak MB, cpu $((last_cpu * 1000 / tick)) ms"
