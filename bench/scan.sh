#!/usr/bin/env bash
# Smart-scan benchmark: builds (once, cached in bench/cache) a sample home of
# about FILES files, then times, side by side, warm cache, ROUNDS rounds each:
#   dovrel-cleaner-cli scan --json   against   du -sb HOME   and   gdu -npsa HOME
# and prints the medians, the ratio scan/du, the scan's peak memory, and
# whether every run (and every thread count) gave the same JSON. A second row
# does the same on a Linux-layout sample home of as many files
# (scan --layout linux --system-root, against du -sb).
#
#   bench/scan.sh            # 1,000,000 files, 5 rounds
#   FILES=100000 ROUNDS=3 bench/scan.sh
set -euo pipefail
cd "$(dirname "$0")/.."

FILES="${FILES:-1000000}"
ROUNDS="${ROUNDS:-5}"
CACHE="bench/cache/home-$FILES"
BUILD="${BUILD:-build/dev}"

scripts/bootstrap
cmake --preset dev >/dev/null
cmake --build "$BUILD" --target dovrel-cleaner-cli >/dev/null
CLI="$BUILD/src/cli/dovrel-cleaner-cli"

if [ ! -f "$CACHE/.complete" ]; then
  rm -rf "$CACHE"
  echo "building a sample home of $FILES files in $CACHE (once)..." >&2
  "$CLI" sample-home "$CACHE" --files "$FILES" >/dev/null
  touch "$CACHE/.complete"
fi
HOME_DIR="$(find "$CACHE" -mindepth 1 -maxdepth 1 -type d ! -name Applications | head -n1)"
APPS="$CACHE/Applications"
OUT="$(mktemp -d)"
trap 'rm -rf "$OUT"' EXIT

# Warm the cache.
du -sb "$HOME_DIR" >/dev/null
"$CLI" scan --json --home "$HOME_DIR" --applications "$APPS" >"$OUT/reference.json"

now() { date +%s.%N; }
median() { sort -n | awk '{a[NR]=$1} END {if (NR%2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }

: >"$OUT/scan.t"; : >"$OUT/du.t"; : >"$OUT/gdu.t"; : >"$OUT/rss"
same=yes
for r in $(seq "$ROUNDS"); do
  t0=$(now)
  /usr/bin/time -f "%M" -o "$OUT/rss.$r" "$CLI" scan --json --home "$HOME_DIR" --applications "$APPS" >"$OUT/scan.$r.json"
  t1=$(now)
  du -sb "$HOME_DIR" >/dev/null
  t2=$(now)
  gdu -npsa "$HOME_DIR" >/dev/null 2>&1 || true
  t3=$(now)
  echo "$t1 - $t0" | bc -l >>"$OUT/scan.t"
  echo "$t2 - $t1" | bc -l >>"$OUT/du.t"
  echo "$t3 - $t2" | bc -l >>"$OUT/gdu.t"
  cat "$OUT/rss.$r" >>"$OUT/rss"
  cmp -s "$OUT/reference.json" "$OUT/scan.$r.json" || same=no
done
for n in 1 3 4; do
  "$CLI" scan --json --threads "$n" --home "$HOME_DIR" --applications "$APPS" >"$OUT/threads.$n.json"
  cmp -s "$OUT/reference.json" "$OUT/threads.$n.json" || same=no
done

scan=$(median <"$OUT/scan.t"); du=$(median <"$OUT/du.t"); gdu=$(median <"$OUT/gdu.t")
rss=$(sort -n "$OUT/rss" | tail -n1)
files=$(find "$HOME_DIR" | wc -l)
printf 'sample home: %s (%s items)\n' "$HOME_DIR" "$files"
printf 'rounds: %s, warm cache, %s cores\n' "$ROUNDS" "$(nproc)"
printf 'median scan --json : %.3f s\n' "$scan"
printf 'median du -sb      : %.3f s\n' "$du"
printf 'median gdu -npsa   : %.3f s\n' "$gdu"
printf 'ratio scan/du      : %.2f (target <= 0.50)\n' "$(echo "$scan / $du" | bc -l)"
printf 'peak memory (scan) : %.1f MiB (target < 64)\n' "$(echo "$rss / 1024" | bc -l)"
printf 'same JSON every run and thread count: %s\n' "$same"

# The Linux-layout row: a freedesktop-shaped sample home of as many files.
LCACHE="bench/cache/linux-home-$FILES"
if [ ! -f "$LCACHE/.complete" ]; then
  rm -rf "$LCACHE"
  echo "building a Linux sample home of $FILES files in $LCACHE (once)..." >&2
  "$CLI" sample-home "$LCACHE" --files "$FILES" --layout linux >/dev/null
  touch "$LCACHE/.complete"
fi
LHOME="$(find "$LCACHE" -mindepth 1 -maxdepth 1 -type d ! -name system | head -n1)"
LARGS=(--layout linux --system-root "$LCACHE/system" --home "$LHOME")
du -sb "$LHOME" >/dev/null
"$CLI" scan --json "${LARGS[@]}" >"$OUT/lreference.json"
: >"$OUT/lscan.t"; : >"$OUT/ldu.t"; lsame=yes
for r in $(seq "$ROUNDS"); do
  t0=$(now)
  "$CLI" scan --json "${LARGS[@]}" >"$OUT/lscan.$r.json"
  t1=$(now)
  du -sb "$LHOME" >/dev/null
  t2=$(now)
  echo "$t1 - $t0" | bc -l >>"$OUT/lscan.t"
  echo "$t2 - $t1" | bc -l >>"$OUT/ldu.t"
  cmp -s "$OUT/lreference.json" "$OUT/lscan.$r.json" || lsame=no
done
lscan=$(median <"$OUT/lscan.t"); ldu=$(median <"$OUT/ldu.t")
printf 'linux layout: %s (%s items)\n' "$LHOME" "$(find "$LHOME" | wc -l)"
printf 'median scan --layout linux --json : %.3f s, du -sb %.3f s, ratio %.2f; same JSON every run: %s\n' \
  "$lscan" "$ldu" "$(echo "$lscan / $ldu" | bc -l)" "$lsame"
