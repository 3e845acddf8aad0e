#!/usr/bin/env bash
# Times orvanta-transcribe and espeak-ng on the same text and prints the ratio.
#   bench/compare.sh TEXT [ORVANTA_TRANSCRIBE]
# Both run in turn, each on one core; orvanta-transcribe's time includes
# loading its dictionary, espeak-ng's its voice. CPU time (user + system) is
# printed beside wall time because the two cores are often shared.
set -euo pipefail
cd "$(dirname "$0")/.."
text=${1:?usage: bench/compare.sh TEXT [ORVANTA_TRANSCRIBE]}
program=${2:-build-bench/cli/orvanta-transcribe}
command -v espeak-ng >/dev/null || { echo "espeak-ng is not installed (Debian: espeak-ng)" >&2; exit 1; }

TIMEFORMAT='%R %U %S'
measure() { # command... -> "wall cpu" seconds of one run, output discarded
    local times
    times=$({ time "$@" >/dev/null 2>/dev/null; } 2>&1)
    awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }' <<<"$times"
}

best_wall= best_cpu=
for _ in 1 2 3 4 5; do
    read -r wall cpu < <(measure "$program" --british "$text")
    best_wall=$(awk -v t="$wall" -v b="${best_wall:-$wall}" 'BEGIN { print (t < b ? t : b) }')
    best_cpu=$(awk -v t="$cpu" -v b="${best_cpu:-$cpu}" 'BEGIN { print (t < b ? t : b) }')
done
read -r espeak_wall espeak_cpu < <(measure espeak-ng -q --ipa -v en-gb-x-rp -f "$text")

printf 'text:                %s (%s bytes, %s words)\n' "$text" "$(wc -c <"$text")" "$(wc -w <"$text")"
printf 'orvanta-transcribe:  %8.3f s wall  %8.3f s CPU  (--british, best of 5)\n' "$best_wall" "$best_cpu"
printf 'espeak-ng:           %8.3f s wall  %8.3f s CPU  (-q --ipa -v en-gb-x-rp, one run)\n' \
    "$espeak_wall" "$espeak_cpu"
awk -v ew="$espeak_wall" -v ec="$espeak_cpu" -v ow="$best_wall" -v oc="$best_cpu" 'BEGIN {
    cpu = (oc > 0) ? ec / oc : 0
    printf "ratio:               %8.0f x wall %8.0f x CPU  (target >= 200 x)\n", ew / ow, cpu }'
