#!/bin/bash
# Starts the program from its build folder. Without a display it runs on a virtual one, waits for the
# window, saves a picture of it beside the build folder's bin/ as screenshot.png, and stops again.
set -euo pipefail
bin="$1"

if [ -n "${DISPLAY:-}" ]; then
  exec "$bin/tevorin"
fi

for cmd in Xvfb xdotool xdpyinfo import; do
  command -v "$cmd" >/dev/null || { echo "run-program: $cmd is missing (make run-deps installs it)" >&2; exit 1; }
done

xvfb_pid=""
program_pid=""
stop() {
  for pid in $program_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
trap stop EXIT

# Xvfb picks a free display itself and writes its number once it accepts clients; without
# -noreset it would reset when the readiness probe disconnects, refusing the program meanwhile.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do [ -s "$display_file" ] && break; sleep 0.05; done
number=$(head -n 1 "$display_file")
rm -f "$display_file"
[ -n "$number" ] || { echo "run-program: the virtual display did not start" >&2; exit 1; }
export DISPLAY=":$number"
xdpyinfo >/dev/null 2>&1 || { echo "run-program: the virtual display does not answer" >&2; exit 1; }

start=$(date +%s%N)
"$bin/tevorin" &
program_pid=$!
window=""
for _ in $(seq 1000); do
  window=$(xdotool search --onlyvisible --name '^Tevorin 1\.5' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  kill -0 "$program_pid" 2>/dev/null || { echo "run-program: the program ended before its window showed" >&2; exit 1; }
  sleep 0.01
done
[ -n "$window" ] || { echo "run-program: no window within 10 seconds" >&2; exit 1; }
shown=$(date +%s%N)
echo "Window shown $(((shown - start) / 1000000)) ms after the start."

# Let the first drawing finish before the picture is taken.
sleep 1
screenshot="$(cd "$bin/.." && pwd)/screenshot.png"
import -window "$window" "$screenshot"
echo "Screenshot of the window: $screenshot"
