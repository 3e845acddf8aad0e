#!/usr/bin/env bash
# Wall time, CPU time and peak memory of orvanta-transcribe on the inputs that
# show its start-up and its longest sentences: empty input, a text (the
# generated 700 KiB one, say), and 10 MB without a sentence break.
#   bench/cli_inputs.sh CLI [TEXT]
# GNU time's figures are of one run each; repeat on a quiet machine. For
# instruction counts, which the machine's load does not change:
#   valgrind --tool=callgrind CLI --user-dictionary /dev/null < /dev/null
set -eu # no pipefail: yes(1) ends by SIGPIPE
cli=$1
text=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

size=10000000
yes 'r' | tr '\n' ' ' | head -c $size > "$work/r"
yes '$1.5bn' | tr '\n' ' ' | head -c $size > "$work/money"
{ printf 'http://example.com/'; yes abcdefghij | tr '\n' '/'; } | head -c $size > "$work/url"
{ printf '1'; yes ',000' | tr -d '\n'; } | head -c $size > "$work/groups"

run() {
    local name=$1
    shift
    /usr/bin/time -f "$name: %e s wall, %U+%S s CPU, %M KB peak" \
        "$cli" --user-dictionary /dev/null "$@" > /dev/null
}

run "empty input" < /dev/null
if [[ -n $text ]]; then
    run "$(basename "$text")" "$text"
fi
run "10 MB of 'r ', --cyrillic" --cyrillic "$work/r"
run "10 MB of '\$1.5bn '" "$work/money"
run "10 MB of '\$1.5bn ', --british" --british "$work/money"
run "10 MB of '\$1.5bn ', -f html" -f html "$work/money"
run "a URL of 10 MB" "$work/url"
run "1 and 10 MB of ',000'" "$work/groups"
