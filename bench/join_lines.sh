#!/usr/bin/env bash
# Hard-wraps a text of one paragraph per line at several widths, as mail
# programs and plain-text books do, and checks that `--join-lines` reads
# each wrapped copy as the unwrapped text:
#   bench/join_lines.sh build/cli/orvanta-transcribe [bench/texts/harbour_paragraphs.txt]
set -euo pipefail
cli=$1
text=${2:-$(dirname "$0")/texts/harbour_paragraphs.txt}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" -b -f tsv "$text" >"$work/unwrapped.tsv"
echo "unwrapped: $(wc -l <"$work/unwrapped.tsv") sentences"
for width in 50 60 70 72 79; do
    python3 - "$text" "$width" >"$work/wrapped.txt" <<'PY'
import sys, textwrap
width = int(sys.argv[2])
for line in open(sys.argv[1], encoding='utf-8').read().split('\n'):
    indent = line[:len(line) - len(line.lstrip(' '))]
    wrapped = textwrap.wrap(line.strip(), width, initial_indent=indent, break_long_words=False)
    print('\n'.join(wrapped))
PY
    "$cli" -b -f tsv "$work/wrapped.txt" >"$work/cut.tsv"
    "$cli" -b -f tsv --join-lines "$work/wrapped.txt" >"$work/joined.tsv"
    if cmp -s "$work/joined.tsv" "$work/unwrapped.tsv"; then same=same; else same=DIFFERENT; fi
    echo "width $width: $(wc -l <"$work/wrapped.txt") lines; every line feed cuts:" \
        "$(wc -l <"$work/cut.tsv") pieces; --join-lines: $(wc -l <"$work/joined.tsv")" \
        "sentences, $same as unwrapped"
    if [ "$same" != same ]; then diff "$work/unwrapped.tsv" "$work/joined.tsv" | head -20; fi
done
