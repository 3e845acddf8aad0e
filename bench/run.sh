#!/usr/bin/env bash
# Builds the benchmarks in Release and prints every speed figure.
#   bench/run.sh [--no-espeak]
# Figures and the machine they were taken on are recorded in docs/performance.md.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh bench
espeak=yes
[ "${1:-}" = "--no-espeak" ] && espeak=no

build=build-bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DORVANTA_BUILD_BENCHMARKS=ON \
      -DORVANTA_BUILD_TESTS=OFF >/dev/null
targets=(orvanta_make_text orvanta_peak_memory orvanta_bench orvanta-transcribe)
grep -qx 'orvanta_bench_window' <(cmake --build "$build" --target help | sed 's/^\.\.\. //; s/:.*//') &&
    targets+=(orvanta_bench_window)
cmake --build "$build" --parallel 2 --target "${targets[@]}" >/dev/null

text="$build/bench/long-text.txt"
"$build/bench/orvanta_make_text" . "$text"
cli="$build/cli/orvanta-transcribe"

echo "== machine"
lscpu | grep -E '^(Model name|CPU\(s\)|Thread|CPU max MHz|L2|L3)' || true
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "== dictionary load, transcription throughput, document build (Google Benchmark)"
"$build/bench/orvanta_bench" --root=. --text="$text" --benchmark_min_time=1 \
    --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
fortunes=/usr/share/games/fortunes
if [ -d "$fortunes" ]; then
    echo
    echo "== transcription throughput on real English: Debian's fortunes"
    real="$build/bench/fortunes.txt"
    find "$fortunes" -maxdepth 1 -type f ! -name '*.*' -print0 | sort -z |
        xargs -0 cat | grep -v '^%$' >"$real"
    "$build/bench/orvanta_bench" --root=. --text="$real" --benchmark_min_time=1 \
        --benchmark_filter='TranscribeSentence|BuildDocument' --benchmark_repetitions=3 \
        --benchmark_report_aggregates_only=true
fi
echo
echo "== orvanta-transcribe on the text: peak memory per format"
for format in lines tsv html; do
    printf '%-6s ' "$format"
    "$build/bench/orvanta_peak_memory" "$cli" --format "$format" "$text" 2>&1 >/dev/null
done
echo
if [ -x "$build/bench/orvanta_bench_window" ]; then
    echo "== the window: a run on the text, result editor and HTML tab included"
    QT_QPA_PLATFORM=offscreen "$build/bench/orvanta_bench_window" "$text" 5
else
    echo "== the window: not built (no ui/ in this tree)"
fi
echo
if [ "$espeak" = yes ]; then
    echo "== orvanta-transcribe against espeak-ng"
    bench/compare.sh "$text" "$cli"
fi
