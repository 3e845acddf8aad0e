#!/usr/bin/env bash
# Installs the Debian packages a task needs, or says how to.
#   scripts/deps.sh build|test|package|ci|bench|generate
set -euo pipefail

# qt6-tools-dev and qt6-l10n-tools build the translations; qt6-translations-l10n holds Qt's own.
build_packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools
                qt6-translations-l10n libgl-dev fonts-dejavu-core)
test_packages=(libgtest-dev libbenchmark-dev python3 zlib1g-dev)
# zlib1g-dev: the window's test reads the OpenDocument export back.
# cpack's Debian generator computes the dependencies with dpkg-shlibdeps (dpkg-dev), finding
# the binaries with file; the validators check the desktop entry and the AppStream metadata.
package_packages=(dpkg-dev file desktop-file-utils appstream)
ci_packages=(clang libclang-rt-14-dev clang-format "${package_packages[@]}")
bench_packages=(espeak-ng fortunes)
# What tools/generate_dictionaries.py reads; it also calls npm (Node.js) once to fetch the
# CMU dictionary (Debian's npm package, or the npm that comes with NodeSource's nodejs).
generate_packages=(python3 espeak-ng libespeak-ng1 wbritish wbritish-large)

packages=("${build_packages[@]}")
case "${1:-build}" in
    build) ;;
    test) packages+=("${test_packages[@]}") ;;
    package) packages+=("${package_packages[@]}") ;;
    ci) packages+=("${test_packages[@]}" "${ci_packages[@]}") ;;
    bench) packages+=("${test_packages[@]}" "${bench_packages[@]}") ;;
    generate) packages=("${generate_packages[@]}") ;;
    *) echo "usage: $0 build|test|package|ci|bench|generate" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
else
    echo "Missing packages. Install them with:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
