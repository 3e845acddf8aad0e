#!/bin/sh
# Trains both letter-to-sound models from the shipped dictionaries into data/
# (data/<dictionary>-g2p.bin), with the trainer of the build folder given
# (default build/), which it builds first. Deterministic: the same
# dictionaries give the same files byte for byte. Takes about 2 minutes on
# one core. Run it again whenever a dictionary changes.
#   tools/generate_letter_to_sound.sh [build-dir]
set -eu
cd "$(dirname "$0")/.."
build="${1:-build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target orvanta_train_letter_to_sound >/dev/null
for dictionary in data/velmor_eng_transcription.txt data/american_transcription-abridged.txt; do
    "$build/tools/orvanta_train_letter_to_sound" "$dictionary" "${dictionary%.txt}-g2p.bin"
done
