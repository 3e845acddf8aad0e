#!/usr/bin/env bash
# Builds the Debian package in a Release build folder, installs it with apt
# (which pulls in its dependencies), checks that the installed programs work
# from outside any source tree and that desktops and software centres accept
# its metadata, then removes it again. Needs root: it installs a package.
#   scripts/package-check.sh [build-dir]      (default build-package)
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath -m "${1:-build-package}")"

if [ "$(id -u)" -ne 0 ]; then
    echo "package-check.sh: installs a package, so it must run as root" >&2
    exit 1
fi
# An installation of somebody else's is neither overwritten nor removed.
if dpkg-query -W -f='${Status}' orvanta 2>/dev/null | grep -q "install ok installed"; then
    echo "package-check.sh: the orvanta package is already installed; remove it first" >&2
    exit 1
fi
scripts/deps.sh package

# Debian's hardening flags (stack protector, fortified functions, read-only
# relocations bound at start), as its own packages are built.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DORVANTA_BUILD_TESTS=OFF -DORVANTA_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
rm -f "$build"/orvanta_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/orvanta_*.deb)
deb="${debs[0]}"
echo "package-check.sh: built $deb"

failures=0
fail() {
    echo "package-check.sh: FAIL: $*" >&2
    failures=$((failures + 1))
}

export DEBIAN_FRONTEND=noninteractive
remove() { apt-get remove -y orvanta >/dev/null || true; }
trap remove EXIT
apt-get install -y --no-install-recommends "$deb" >/dev/null

# From /, so that nothing of this checkout can stand in for the installed data.
cd /
text="The car is in the garden. I can't go there."
check_variant() {
    local option="$1" expected="$2" got
    got="$(printf '%s\n' "$text" | /usr/bin/orvanta-transcribe "$option" 2>&1)" || true
    [ "$got" = "$expected" ] || fail "orvanta-transcribe $option printed:
$got
instead of:
$expected"
}
check_variant --british '[ðə kɑːr ɪz ɪn ðə ˈɡɑːdən]
[aɪ kɑːnt ɡəʊ ðeə]'
check_variant --american '[ðə kɑːr ɪz ɪn ðə ˈɡɑːrdən]
[aɪ kænt ɡoʊ ðer]'

version="$(/usr/bin/orvanta-transcribe --version)" || true
expected_version="orvanta-transcribe $(dpkg-deb -f "$deb" Version)"
[ "$version" = "$expected_version" ] || fail "--version printed '$version', not '$expected_version'"

for file in /usr/share/orvanta/data/velmor_eng_transcription.txt \
    /usr/share/orvanta/data/american_transcription-abridged.txt \
    /usr/share/orvanta/data/velmor_eng_transcription-g2p.bin \
    /usr/share/orvanta/data/american_transcription-abridged-g2p.bin \
    /usr/share/orvanta/docs/index.html \
    /usr/share/man/man1/orvanta.1.gz /usr/share/man/man1/orvanta-transcribe.1.gz \
    /usr/share/doc/orvanta/copyright /usr/share/doc/orvanta/changelog.gz \
    /usr/share/icons/hicolor/64x64/apps/orvanta.png; do
    [ -f "$file" ] || fail "$file is not installed"
done

# The window must still be running when timeout stops it (status 124).
status=0
QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/orvanta >/tmp/orvanta-window.log 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
    fail "the window ended with status $status within 5 seconds:"
    cat /tmp/orvanta-window.log >&2
fi
rm -f /tmp/orvanta-window.log

desktop-file-validate /usr/share/applications/org.orvanta.Orvanta.desktop ||
    fail "desktop-file-validate"
appstreamcli validate --no-net /usr/share/metainfo/org.orvanta.Orvanta.metainfo.xml ||
    fail "appstreamcli validate"

trap - EXIT
apt-get remove -y orvanta >/dev/null
[ ! -e /usr/bin/orvanta ] && [ ! -e /usr/share/orvanta ] || fail "files remain after removal"

if [ "$failures" -ne 0 ]; then
    echo "package-check.sh: $failures check(s) failed" >&2
    exit 1
fi
echo "package-check.sh: $(basename "$deb") installs, runs and is removed cleanly"
