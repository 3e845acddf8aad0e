#!/usr/bin/env bash
# Times orvanta-transcribe and espeak-ng on the same text and prints the ratio.
#   bench/compare.sh TEXT [ORVANTA_TRANSCRIBE]
# Both run on one core in turn; orvanta-transcribe's time includes loading
# its dictionary, espeak-ng's its voice.
set -euo pipefail
cd "$(dirname "$0")/.."
text=${1:?usage: bench/compare.sh TEXT [ORVANTA_TRANSCRIBE]}
program=${2:-build-bench/cli/orvanta-transcribe}
command -v espeak-ng >/dev/null || { echo "espeak-ng is not installed (Debian: espeak-ng)" >&2; exit 1; }

seconds() { # command... -> wall seconds of one run, output discarded
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    awk -v ns=$((end - start)) 'BEGIN { printf "%.6f", ns / 1e9 }'
}

best=
for _ in 1 2 3 4 5; do
    t=$(seconds "$program" --british "$text")
    best=$(awk -v t="$t" -v b="${best:-$t}" 'BEGIN { print (t < b ? t : b) }')
done
espeak=$(seconds espeak-ng -q --ipa -v en-gb-x-rp -f "$text")

printf 'text:                %s (%s bytes, %s words)\n' "$text" "$(wc -c <"$text")" "$(wc -w <"$text")"
printf 'orvanta-transcribe:  %8.3f s  (--british, best of 5)\n' "$best"
printf 'espeak-ng:           %8.3f s  (-q --ipa -v en-gb-x-rp, one run)\n' "$espeak"
printf 'ratio:               %8.0f x  (target >= 200 x)\n' "$(awk -v e="$espeak" -v o="$best" 'BEGIN { print e / o }')"
