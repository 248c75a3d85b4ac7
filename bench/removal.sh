#!/usr/bin/env bash
# Times the engine's removal against rm -rf on the same tree, same run.
#
#   bench/removal.sh [BUILD_DIR]        (default: build/dev)
#
# Builds a tree of FOLDERS x FILES small files (default 1000 x 100 = 100,000
# files at depths 1 to 4), then for ROUNDS rounds (default 7) copies it twice
# with cp -a and removes one copy with remove_bench (the Remover) and the
# other with rm -rf, alternating which goes first. The cache stays warm; dirty
# data is synced before each timing. Both are timed from outside, process
# start-up included. Prints each round, the medians and the ratio
# speed(ours) / speed(rm -rf) = time(rm) / time(ours); the target is >= 0.9.
#
# Each round also removes a third copy from a Linux-layout home
# ($home/.cache/ours, LINUX_ROUNDS=0 to skip), printed as the Linux row.
#
# The machine's load (uptime) is printed before and after: others' work on
# the same cores changes both timings.
#
# Environment: ROUNDS, FOLDERS, FILES, REMOVE_BENCH (the program's path),
# THREADS (the Remover's threads; default its own), BENCH_DIR (where the
# trees go). BENCH_DIR defaults to /dev/shm when that is
# a writable tmpfs, else ${TMPDIR:-/tmp}: on a disk mounted with online
# discard every freed block waits for the device, and both removals then
# measure the disk rather than themselves. The file system used is printed.
set -euo pipefail
export LC_ALL=C

build_dir=${1:-build/dev}
bin=${REMOVE_BENCH:-$build_dir/bench/remove_bench}
rounds=${ROUNDS:-7}
folders=${FOLDERS:-1000}
files=${FILES:-100}
threads=()
if [[ -n ${THREADS:-} ]]; then
  threads=(-t "$THREADS")
fi

if [[ ! -x $bin ]]; then
  echo "removal.sh: $bin not found; build the target remove_bench first" >&2
  exit 1
fi

if [[ -z ${BENCH_DIR:-} ]]; then
  if [[ -w /dev/shm && $(stat -f -c %T /dev/shm 2>/dev/null) == tmpfs ]]; then
    BENCH_DIR=/dev/shm
  else
    BENCH_DIR=${TMPDIR:-/tmp}
  fi
fi
work=$(mktemp -d "$BENCH_DIR/dovrel-removal-XXXXXX")
trap 'rm -rf "$work"' EXIT
home=$work/home
mkdir -p "$home/Library/Caches"
lhome=$work/linux-home
mkdir -p "$lhome/.cache"
linux_rounds=${LINUX_ROUNDS:-$rounds}
linux_wall=()
"$bin" generate "$work/template" "$folders" "$files"
echo "tree: $folders folders x $files files, $(du -s --apparent-size -B1 "$work/template" | cut -f1) bytes (apparent)"
echo "in: $work ($(stat -f -c %T "$work")), $rounds rounds, threads: ${THREADS:-default}"
echo "load before: $(uptime)"

# Prints "wall user sys" seconds of one command (its output discarded).
measure() {
  local TIMEFORMAT='%3R %3U %3S' out
  if ! out=$( { time "$@" >/dev/null 2>"$work/err"; } 2>&1 ); then
    cat "$work/err" >&2
    exit 1
  fi
  echo "$out"
}

ours_wall=() ours_cpu=() rm_wall=() rm_cpu=()
for ((r = 1; r <= rounds; r++)); do
  cp -a "$work/template" "$home/Library/Caches/ours"
  cp -a "$work/template" "$work/theirs"
  sync
  if ((r % 2)); then
    a=$(measure "$bin" remove "${threads[@]}" "$home" "$home/Library/Caches/ours")
    b=$(measure rm -rf "$work/theirs")
  else
    b=$(measure rm -rf "$work/theirs")
    a=$(measure "$bin" remove "${threads[@]}" "$home" "$home/Library/Caches/ours")
  fi
  if [[ -e $home/Library/Caches/ours || -e $work/theirs ]]; then
    echo "round $r: a copy was not removed" >&2
    exit 1
  fi
  read -r aw au as <<<"$a"
  read -r bw bu bs <<<"$b"
  ours_wall+=("$aw") rm_wall+=("$bw")
  ours_cpu+=("$(awk -v u="$au" -v s="$as" 'BEGIN { print u + s }')")
  rm_cpu+=("$(awk -v u="$bu" -v s="$bs" 'BEGIN { print u + s }')")
  echo "round $r: ours $aw s (cpu ${ours_cpu[-1]} s), rm -rf $bw s (cpu ${rm_cpu[-1]} s)"
done

for ((r = 1; r <= linux_rounds; r++)); do
  cp -a "$work/template" "$lhome/.cache/ours"
  sync
  l=$(measure "$bin" remove "${threads[@]}" "$lhome" "$lhome/.cache/ours")
  if [[ -e $lhome/.cache/ours || ! -d $lhome/.cache ]]; then
    echo "linux round $r: the copy was not removed, or .cache went with it" >&2
    exit 1
  fi
  read -r lw _ _ <<<"$l"
  linux_wall+=("$lw")
done

echo "load after: $(uptime)"

median() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
ow=$(median "${ours_wall[@]}") rw=$(median "${rm_wall[@]}")
oc=$(median "${ours_cpu[@]}") rc=$(median "${rm_cpu[@]}")
awk -v ow="$ow" -v rw="$rw" -v oc="$oc" -v rc="$rc" 'BEGIN {
  printf "median wall: ours %.3f s, rm -rf %.3f s; median cpu: ours %.3f s, rm -rf %.3f s\n", ow, rw, oc, rc
  printf "speed ratio, wall (rm time / our time): %.3f (target >= 0.90: %s)\n", rw / ow, (rw / ow >= 0.9) ? "met" : "NOT met"
  printf "speed ratio, cpu  (rm time / our time): %.3f\n", rc / oc
}'
if ((linux_rounds > 0)); then
  lw=$(median "${linux_wall[@]}")
  awk -v lw="$lw" -v rw="$rw" 'BEGIN {
    printf "linux layout (.cache/ours): median wall %.3f s; speed ratio vs rm -rf above: %.3f\n", lw, rw / lw
  }'
fi
