#!/usr/bin/env bash
# Transcribes a paragraph with the shipped dictionaries in the real window and
# saves the window's picture as docs/screenshot.png. Needs no display: the
# window is drawn offscreen, without the desktop's title bar.
#   ui/resources/take-screenshot.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
cmake -S . -B "$build" -DORVANTA_BUILD_TESTS=ON >/dev/null
cmake --build "$build" --parallel 2 --target orvanta_screenshot

text='This program adds phonetic transcription to English text. Where are you going this morning?
I think that the weather is lovely for a long walk in the park!'

printf "%s" "$text" |
    QT_QPA_PLATFORM=offscreen "$build/tools/orvanta_screenshot" 3 british docs/screenshot.png
echo "wrote docs/screenshot.png"
