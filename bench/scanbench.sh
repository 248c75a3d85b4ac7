#!/usr/bin/env bash
# The smart scan against the yardstick walker (walkbench.c in ../shared/bench,
# a bare getdents64 + fstatat walk of the whole home), side by side in one
# run, on homes of FILES files each (SHAPES picks them, all by default):
#   sample   dovrel-cleaner-cli sample-home as it is
#   inside   the same, with Documents/Archive moved into Library/Caches, so
#            that about 95 % of the files lie inside the categories
#   small    folders of 50 files each (FILES/50 of them) under Library/Caches
#   spread   the sample home with no bulk of its own, and FILES/50 folders of
#            50 files spread over the places where its bulk lies (caches,
#            containers, application support, logs, trash, a browser's
#            application cache, Documents)
#   flat     one folder of FILES files under Library/Caches
#   deep     a chain 2,000 folders deep under Library/Caches, files at each level
#   linux    sample-home --layout linux (Trash pairs, .cache of many
#            applications, .var/app), scanned with its own system folder
# For each home it prints, as medians of ROUNDS runs:
#   warm: scan (default threads) and walkbench -t 2, and their ratio (target <= 1.15)
#   cold: the caches dropped before every run (needs root): scan, and
#         walkbench at -t 1 2 4 8 16, the ratio to its best (target <= 1.25)
#   the scan's peak memory (max RSS, target < 64 MiB), and whether the JSON
#   was the same at 1 and 4 threads;
#   with strace installed, the stat, getdents64 and openat calls of one
#   scan and of walkbench -t 2 (strace -f -c), and their stat ratio
#   (target <= 1.02).
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
SHAPES="${SHAPES:-sample inside small spread flat deep linux}"
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

home_of() { find "$1" -mindepth 1 -maxdepth 1 -type d ! -name Applications ! -name system | head -n1; }
# A home of one of the synthetic shapes: DIR/ann with its Library skeleton
# and the files of the shape, each of a few bytes.
synthetic() { # $1 = shape, $2 = dir
  python3 - "$1" "$2" "$FILES" <<'PY'
import os, sys
shape, root, files = sys.argv[1], sys.argv[2], int(sys.argv[3])
home = os.path.join(root, "ann")
for d in ("Library/Caches", "Library/Logs", "Library/Preferences", "Library/Application Support",
          ".Trash", "Downloads", "Desktop", "Documents"):
    os.makedirs(os.path.join(home, d), exist_ok=True)
os.makedirs(os.path.join(root, "Applications"), exist_ok=True)
caches = os.path.join(home, "Library/Caches")
def fill(folder, count, start):
    os.makedirs(folder, exist_ok=True)
    for i in range(count):
        with open(os.path.join(folder, "f%d" % (start + i)), "w") as f:
            f.write("x" * (1 + (start + i) % 97))
if shape == "small":
    for n in range(max(1, files // 50)):
        fill(os.path.join(caches, "com.app%d" % (n // 50), "d%d" % n), 50, 0)
elif shape == "flat":
    fill(os.path.join(caches, "flat"), files, 0)
elif shape == "deep":
    depth, per = 2000, max(1, files // 2000)
    folder = os.path.join(caches, "deep")
    for level in range(depth):
        fill(folder, per, level * per)
        folder = os.path.join(folder, "d")
PY
}
# FILES/50 folders of 50 files over the sample home's bulk places, in the
# sample's own shares.
spread() { # $1 = home
  python3 - "$1" "$FILES" <<'PY'
import os, sys
home, files = sys.argv[1], int(sys.argv[2])
places = [("Library/Caches/com.example.Editor/bulk", 25), ("Library/Caches/com.google.Chrome/Code Cache", 10),
          ("Library/Containers/com.example.Editor/Data/Library/Caches/bulk", 10),
          ("Library/Containers/com.example.Editor/Data/Documents", 5),
          ("Library/Application Support/Editor/Projects", 25), ("Library/Logs/DiagnosticReports/archive", 5),
          (".Trash/Old Folder/bulk", 5),
          ("Library/Application Support/Google/Chrome/Default/Application Cache/Cache/bulk", 5),
          ("Documents/Archive", 10)]
folders = max(1, files // 50)
for place, percent in places:
    for n in range(max(1, folders * percent // 100)):
        d = os.path.join(home, place, "d%d" % n)
        os.makedirs(d, exist_ok=True)
        for i in range(50):
            with open(os.path.join(d, "f%d" % i), "w") as f:
                f.write("x" * (1 + (n + i) % 97))
PY
}
make_home() { # $1 = kind
  local dir="$CACHE/$1-$FILES"
  if [ ! -f "$dir/.complete" ]; then
    rm -rf "$dir"
    case "$1" in
      sample|inside) "$CLI" sample-home "$dir" --files "$FILES" >/dev/null ;;
      linux) "$CLI" sample-home "$dir" --files "$FILES" --layout linux >/dev/null ;;
      spread)
        "$CLI" sample-home "$dir" --files 0 >/dev/null
        spread "$(home_of "$dir")"
        ;;
      *) synthetic "$1" "$dir" ;;
    esac
    if [ "$1" = inside ]; then
      local h
      h="$(home_of "$dir")"
      mv "$h/Documents/Archive" "$h/Library/Caches/Archive"
    fi
    touch "$dir/.complete"
  fi
  echo "$dir"
}
# stat-like, getdents64 and openat calls of "$@" with its threads, as "S G O".
syscalls() {
  strace -f -c -o "$CACHE/strace" "$@" >/dev/null 2>&1
  awk '$NF ~ /^(statx|newfstatat|fstatat64|lstat|stat|fstat)$/ {s += $4}
       $NF == "getdents64" {g += $4} $NF == "openat" {o += $4}
       END {printf "%d %d %d", s, g, o}' "$CACHE/strace"
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
for kind in $SHAPES; do
  dir="$(make_home "$kind")"
  h="$(home_of "$dir")"
  if [ "$kind" = linux ]; then
    scan=("$CLI" scan --json --home "$h" --layout linux --system-root "$dir/system")
  else
    scan=("$CLI" scan --json --home "$h" --applications "$dir/Applications")
  fi
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
  if command -v strace >/dev/null; then
    read -r ss sg so <<<"$(syscalls "${scan[@]}")"
    read -r ws wg wo <<<"$(syscalls "$WALK" -q -t 2 "$h")"
    printf '%-8s syscalls  scan: %d stat %d getdents64 %d openat; walkbench: %d stat %d getdents64 %d openat; stat ratio %.3f\n' \
      "$kind" "$ss" "$sg" "$so" "$ws" "$wg" "$wo" "$(echo "$ss / $ws" | bc -l)"
  fi
done
echo "load after: $(uptime)"
