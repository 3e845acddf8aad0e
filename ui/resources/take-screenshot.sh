#!/usr/bin/env bash
# Transcribes a paragraph with the shipped dictionaries in a real window under
# Xvfb and saves the window as docs/screenshot.png.
# Needs xvfb, x11-utils (xwininfo) and ImageMagick (import).
#   ui/resources/take-screenshot.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
cmake -S . -B "$build" -DORVANTA_BUILD_TESTS=ON >/dev/null
cmake --build "$build" --parallel 2 --target orvanta_screenshot

text='This program adds phonetic transcription to English text. Where are you going this morning?
I think that the weather is lovely for a long walk in the park!'

xvfb-run -a -s "-screen 0 1100x700x24" bash -c '
    printf "%s" "$1" | "$2" 8 british &
    pid=$!
    sleep 4
    id=$(xwininfo -root -tree | awk "/\"Orvanta\"/ { print \$1; exit }")
    import -window "$id" "PNG24:$3"
    wait "$pid"
' _ "$text" "$build/tools/orvanta_screenshot" docs/screenshot.png
echo "wrote docs/screenshot.png"
