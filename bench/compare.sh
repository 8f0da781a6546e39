#!/usr/bin/env bash
# Times the whole trackdice process on a 256 MiB route against copying it (cat, dd) and
# against sed and mawk doing the same rewrite, and reports trackdice's peak memory there
# and on one 512 MiB line.
#
#   bench/compare.sh TRACKDICE MAKE_ROUTE [ROUNDS]
#
# (or: cmake --build --preset dev --target bench-compare). Runs alternate between the
# commands, round after round, after one warm-up round that is not counted.
set -euo pipefail

trackdice=$(realpath "$1")
make_route=$(realpath "$2")
rounds=${3:-7}
work=$(mktemp -d "${TMPDIR:-/tmp}/trackdice-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

"$make_route" route.rw 256
printf 'route.rw\r\n' > filelist.txt

# The same rewrite: CR LF line ends, and the three key lines replaced.
sed_script='s/\r$//; s/^Velocity.*/Velocity=68/; s/^Acceleration.*/Acceleration=1.1/; s/^Interval.*/Interval=272/; s/$/\r/'
mawk_script='{ sub(/\r$/, "") }
/^Velocity/ { $0 = "Velocity=68" } /^Acceleration/ { $0 = "Acceleration=1.1" }
/^Interval/ { $0 = "Interval=272" } { printf "%s\r\n", $0 }'

# dd with 256 KiB blocks is a plain read/write copy: the floor for a tool that must see
# every byte, where cat may hand the copy to the kernel whole (copy_file_range).
names=(trackdice cat dd sed mawk)
run() {
  case "$1" in
    trackdice) printf '1 1 1 1\n' | "$trackdice" > /dev/null ;;
    cat) cat route.rw > cat.rw ;;
    dd) dd if=route.rw of=dd.rw bs=256k status=none ;;
    sed) LC_ALL=C sed -e "$sed_script" route.rw > sed.rw ;;
    mawk) LC_ALL=C mawk "$mawk_script" route.rw > mawk.rw ;;
  esac
}

# Each command overwrites its own output, as a user's repeated runs do.
# The peers must really do the same work: their output differs from random.rw only in
# the drawn values.
run trackdice
run mawk
if ! cmp -s <(sed -E 's/^(Velocity|Acceleration|Interval)=.*/\1=/' random.rw) \
            <(sed -E 's/^(Velocity|Acceleration|Interval)=.*/\1=/' mawk.rw); then
  echo "mawk's output differs from trackdice's beyond the drawn values" >&2
  exit 1
fi

declare -A times
for ((round = 0; round <= rounds; round++)); do
  for name in "${names[@]}"; do
    sync  # the previous command's writeback must not be timed with this one
    start=$(date +%s%N)
    run "$name"
    end=$(date +%s%N)
    ((round > 0)) && times[$name]+="$(((end - start) / 1000)) "
  done
done

median() { tr ' ' '\n' | grep . | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
trackdice_median=$(median <<< "${times[trackdice]}")

echo "route: 256 MiB, CR LF, $(grep -c '^Velocity' route.rw) [Train] blocks; $rounds rounds"
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo
echo "| command | median | ratio to trackdice |"
echo "|---|---|---|"
for name in "${names[@]}"; do
  m=$(median <<< "${times[$name]}")
  awk -v n="$name" -v m="$m" -v t="$trackdice_median" \
    'BEGIN { printf "| %s | %.1f ms | %.2f |\n", n, m / 1000, m / t }'
done
echo

peak() {
  printf '1 1 1 1\n' | /usr/bin/time -v "$trackdice" 2>&1 > /dev/null |
    sed -n 's/.*Maximum resident set size (kbytes): //p'
}
echo "trackdice peak memory (maximum resident set size):"
echo "- 256 MiB route: $(peak) KiB"
"$make_route" route.rw 512 single-line
echo "- one 512 MiB line: $(peak) KiB"
