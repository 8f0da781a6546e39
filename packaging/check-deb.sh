#!/usr/bin/env bash
# Builds the .deb, installs it with dpkg -i, runs the installed routescan and trackdice
# through a whole dialogue on a copy of the sample route, and removes the package again.
#
#   packaging/check-deb.sh [BUILD_DIR]     (default build/dev; needs root)
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=$(realpath "${1:-build/dev}")

(cd "$build" && cpack -G DEB > /dev/null)
deb=$(ls "$build"/trackdice_*.deb)
dpkg -i "$deb" > /dev/null
work=$(mktemp -d "${TMPDIR:-/tmp}/trackdice-deb-XXXXXX")
trap 'dpkg -r trackdice > /dev/null; rm -rf "$work"' EXIT

fail() { echo "check-deb: $*" >&2; exit 1; }
[ "$(command -v trackdice)" = /usr/bin/trackdice ] || fail "trackdice is not installed in /usr/bin"
[ "$(command -v routescan)" = /usr/bin/routescan ] || fail "routescan is not installed in /usr/bin"
dpkg -L trackdice | grep -q '/usr/share/man/man1/trackdice.1' || fail "no trackdice(1) page"
dpkg -L trackdice | grep -q '/usr/share/man/man1/routescan.1' || fail "no routescan(1) page"

cp "$source_dir"/examples/sample-route/*.rw "$work"
cd "$work"
routescan > scan.out
printf 'Listed 3 route files in filelist.txt - trackdice can now be run.\r\n' | cmp -s - scan.out ||
  fail "routescan said: $(cat scan.out)"

# Route 2 of the sorted list is mountain-pass.rw; answers passenger, moderate, close.
printf '2\n1\n2\n3\n' | trackdice > dialogue.out || fail "trackdice exited with $?"
grep -q 'File complete: run BVE with random.rw as your route' dialogue.out ||
  fail "no completion lines: $(cat dialogue.out)"
blank_values() { sed -E 's/^(Velocity|Acceleration|Interval)=.*/\1=/' "$1"; }
cmp -s <(blank_values random.rw) <(blank_values mountain-pass.rw) ||
  fail "random.rw differs from mountain-pass.rw beyond the drawn values"
speed=$(sed -n 's/^Velocity=\([0-9]*\)\r$/\1/p' random.rw)
acceleration=$(sed -n 's/^Acceleration=\([0-9.]*\)\r$/\1/p' random.rw)
interval=$(sed -n 's/^Interval=\([0-9]*\)\r$/\1/p' random.rw)
((speed >= 60 && speed <= 70)) || fail "speed $speed is not a passenger train's"
case "$acceleration" in 0.7 | 0.8 | 0.9) ;; *) fail "acceleration $acceleration is not moderate" ;; esac
((interval >= 30 && interval <= 100)) || fail "interval $interval is not close"
echo "check-deb: $(basename "$deb") installed, ran a whole dialogue, removed"
