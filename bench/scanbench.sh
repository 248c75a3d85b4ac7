#!/usr/bin/env bash
# The smart scan against the yardstick walker (walkbench.c in ../shared/bench,
# a bare getdents64 + fstatat walk of the whole home), side by side in one
# run, on two homes of FILES files each:
#   sample   dovrel-cleaner-cli sample-home as it is
#   inside   the same, with Documents/Archive moved into Library/Caches, so
#            that about 95 % of the files lie inside the categories
# For each home it prints, as medians of ROUNDS runs:
#   warm: scan (default threads) and walkbench -t 2, and their ratio (target <= 1.15)
#   cold: the caches dropped before every run (needs root): scan, and
#         walkbench at -t 1 2 4 8 16, the ratio to its best (target <= 1.25)
#   the scan's peak memory (max RSS, target < 64 MiB), and whether the JSON
#   was the same at 1 and 4 threads.
# The load (uptime) is printed before and after: others' work on the same
# cores changes every timing.
#
#   bench/scanbench.sh                    # 1,000,000 files, 3 rounds
#   FILES=100000 ROUNDS=3 COLD=0 bench/scanbench.sh
#   SCAN_THREADS=2 bench/scanbench.sh     # the scan with --threads 2
set -euo pipefail
cd "$(dirname "$0")/.."

FILES="${FILES:-1000000}"
ROUNDS="${ROUNDS:-3}"
COLD="${COLD:-1}"
BUILD="${BUILD:-build/dev}"
CACHE="${CACHE:-bench/cache}"
# The yardstick lives next to the checkout (../shared), or next to the
# folder of worktrees (../../shared).
if [ -z "${YARDSTICK_SRC:-}" ]; then
  for f in ../shared/bench/walkbench.c ../../shared/bench/walkbench.c; do
    if [ -f "$f" ]; then YARDSTICK_SRC="$f"; break; fi
  done
fi
CLI="$BUILD/src/cli/dovrel-cleaner-cli"
WALK="$CACHE/walkbench"

mkdir -p "$CACHE"
[ -x "$CLI" ] || cmake --build "$BUILD" --target dovrel-cleaner-cli >/dev/null
if [ ! -x "$WALK" ]; then
  cc -O2 -pthread -o "$WALK" "$YARDSTICK_SRC" -luring 2>/dev/null ||
    cc -O2 -pthread -DNO_URING -o "$WALK" "$YARDSTICK_SRC"
fi

home_of() { find "$1" -mindepth 1 -maxdepth 1 -type d ! -name Applications | head -n1; }
make_home() { # $1 = kind
  local dir="$CACHE/$1-$FILES"
  if [ ! -f "$dir/.complete" ]; then
    rm -rf "$dir"
    "$CLI" sample-home "$dir" --files "$FILES" >/dev/null
    if [ "$1" = inside ]; then
      local h
      h="$(home_of "$dir")"
      mv "$h/Documents/Archive" "$h/Library/Caches/Archive"
    fi
    touch "$dir/.complete"
  fi
  echo "$dir"
}

now() { date +%s.%N; }
median() { sort -n | awk '{a[NR]=$1} END {if (NR%2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }
drop() { sync; echo 3 >/proc/sys/vm/drop_caches; }
timed() { # prints the seconds "$@" took
  local t0 t1
  t0=$(now); "$@" >/dev/null 2>&1; t1=$(now)
  echo "$t1 - $t0" | bc -l
}

echo "load before: $(uptime)"
printf '%-8s %-5s %-28s %9s %7s\n' home cache what seconds ratio
for kind in sample inside; do
  dir="$(make_home "$kind")"
  h="$(home_of "$dir")"
  scan=("$CLI" scan --json --home "$h" --applications "$dir/Applications")
  if [ -n "${SCAN_THREADS:-}" ]; then scan+=(--threads "$SCAN_THREADS"); fi
  "${scan[@]}" --threads 1 >"$CACHE/$kind.t1.json" # the last --threads counts
  "${scan[@]}" --threads 4 >"$CACHE/$kind.t4.json"
  same=$(cmp -s "$CACHE/$kind.t1.json" "$CACHE/$kind.t4.json" && echo yes || echo no)

  s=(); w=(); rss=()
  for _ in $(seq "$ROUNDS"); do
    s+=("$(timed "${scan[@]}")")
    w+=("$(timed "$WALK" -q -t 2 "$h")")
    /usr/bin/time -f %M -o "$CACHE/rss" "${scan[@]}" >/dev/null
    rss+=("$(cat "$CACHE/rss")")
  done
  ms=$(printf '%s\n' "${s[@]}" | median)
  mw=$(printf '%s\n' "${w[@]}" | median)
  printf '%-8s %-5s %-28s %9.3f\n' "$kind" warm "walkbench -t 2" "$mw"
  printf '%-8s %-5s %-28s %9.3f %7.2f\n' "$kind" warm scan "$ms" "$(echo "$ms / $mw" | bc -l)"

  if [ "$COLD" = 1 ]; then
    best=""
    for t in 1 2 4 8 16; do
      c=()
      for _ in $(seq "$ROUNDS"); do drop; c+=("$(timed "$WALK" -q -t "$t" "$h")"); done
      m=$(printf '%s\n' "${c[@]}" | median)
      printf '%-8s %-5s %-28s %9.3f\n' "$kind" cold "walkbench -t $t" "$m"
      if [ -z "$best" ] || [ "$(echo "$m < $best" | bc -l)" = 1 ]; then best=$m; fi
    done
    c=()
    for _ in $(seq "$ROUNDS"); do drop; c+=("$(timed "${scan[@]}")"); done
    m=$(printf '%s\n' "${c[@]}" | median)
    printf '%-8s %-5s %-28s %9.3f %7.2f\n' "$kind" cold "scan (vs best walkbench)" "$m" "$(echo "$m / $best" | bc -l)"
  fi
  printf '%-8s peak RSS %s KiB (median), JSON same at 1 and 4 threads: %s\n' "$kind" \
    "$(printf '%s\n' "${rss[@]}" | median)" "$same"
done
echo "load after: $(uptime)"
