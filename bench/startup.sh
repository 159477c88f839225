#!/bin/sh
# Start-up of Ledgerwick's window against a bare Qt main window, under Xvfb.
#
#   bench/startup.sh BUILD_DIR [RUNS]
#
# Runs the two probes of BUILD_DIR/bench alternately RUNS times each (default 25, at least 20),
# after one unmeasured run of each, and prints per probe the median wall time from exec to exit
# (each quits at its first paint), the median time inside the process to its first paint, and the
# median and largest peak resident memory (/usr/bin/time -v); then the ratios against the targets.
set -eu

build=${1:?usage: bench/startup.sh BUILD_DIR [RUNS]}
runs=${2:-25}
[ "$runs" -ge 20 ] || { echo "at least 20 runs each" >&2; exit 2; }
probes="$build/bench/startup_bare $build/bench/startup_ledgerwick"
for probe in $probes; do
    [ -x "$probe" ] || { echo "missing $probe: build the project first" >&2; exit 2; }
done
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (Debian package time)" >&2; exit 2; }

if [ -z "${LEDGERWICK_BENCH_XVFB:-}" ]; then
    LEDGERWICK_BENCH_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One run: wall nanoseconds, in-process milliseconds to the first paint, peak KiB.
measure() {
    start=$(date +%s%N)
    /usr/bin/time -v -o "$work/time" "$1" 2>"$work/err"
    end=$(date +%s%N)
    paint=$(sed -n 's/.*first paint done \([0-9.]*\) ms.*/\1/p' "$work/err")
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time")
    echo "$(( (end - start) / 1000 )) $paint $rss"
}

for probe in $probes; do measure "$probe" >/dev/null; done
i=0
while [ "$i" -lt "$runs" ]; do
    for probe in $probes; do
        measure "$probe" >>"$work/$(basename "$probe")"
    done
    i=$((i + 1))
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
for name in startup_bare startup_ledgerwick; do
    wall=$(awk '{ print $1 / 1000 }' "$work/$name" | median)
    paint=$(awk '{ print $2 }' "$work/$name" | median)
    rss=$(awk '{ print $3 }' "$work/$name" | median)
    rssmax=$(awk '{ print $3 }' "$work/$name" | sort -n | tail -1)
    printf '%-20s %3d runs  wall median %7.1f ms  first paint in process %7.1f ms  peak memory median %6.1f MB (largest %6.1f MB)\n' \
        "$name" "$runs" "$wall" "$paint" "$(echo "$rss" | awk '{ print $1 / 1024 }')" \
        "$(echo "$rssmax" | awk '{ print $1 / 1024 }')"
    eval "${name}_wall=$wall ${name}_rss=$rss"
done
awk -v l="$startup_ledgerwick_wall" -v b="$startup_bare_wall" -v lr="$startup_ledgerwick_rss" \
    -v br="$startup_bare_rss" 'BEGIN {
    printf "start-up ratio %.2f (target at most 1.30)\n", l / b
    printf "peak memory above the bare window %+.1f MB (target at most +12 MB)\n", (lr - br) / 1024
}'
