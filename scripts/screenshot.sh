#!/usr/bin/env bash
# Starts Vavivor on a virtual X server and writes a PNG of its main window.
#   scripts/screenshot.sh [OUTPUT.png]       default: build/vavivor-window.png
# VAVIVOR=path/to/vavivor picks another build of the program (default: build/vavivor).
# Needs xvfb-run (xvfb), xwininfo (x11-utils) and import (imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."

out=$(realpath -m "${1:-build/vavivor-window.png}")
program=$(realpath -m "${VAVIVOR:-build/vavivor}")
if [[ ! -x "$program" ]]; then
    echo "screenshot: $program does not exist; build it first (cmake --build build)" >&2
    exit 1
fi
mkdir -p "$(dirname "$out")"

# Inside the virtual server: start the program, wait for its window to be mapped and painted,
# grab it by its title and end the program again.
capture='
    "$1" &
    pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    for _ in $(seq 1 150); do
        if xwininfo -name VAVIVOR >/dev/null 2>&1; then
            sleep 1
            import -window VAVIVOR "$2"
            exit 0
        fi
        kill -0 $pid 2>/dev/null || { echo "screenshot: the program ended early" >&2; exit 1; }
        sleep 0.1
    done
    echo "screenshot: the main window did not appear" >&2
    exit 1
'
# A scaled window (QT_SCALE_FACTOR=2) needs a screen that is as many times larger.
scale=${QT_SCALE_FACTOR:-1}
screen=$(awk -v f="$scale" 'BEGIN { printf "%dx%dx24", 1280 * f + 0.5, 800 * f + 0.5 }')
xvfb-run -a -s "-screen 0 $screen" bash -c "$capture" screenshot "$program" "$out"
echo "screenshot: $out"
