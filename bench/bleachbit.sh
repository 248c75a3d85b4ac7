#!/usr/bin/env bash
# Side by side with BleachBit on a Linux-layout sample home (the same folders):
# times `bleachbit --preview` (run with HOME pointed at the sample home) for
# the cleaners that match our categories against `dovrel-cleaner-cli scan
# --layout linux`, then lists, cleaner by cleaner, what BleachBit would remove
# and how much of it lies inside a location our scan finds.
#
#   bench/bleachbit.sh                 # 20,000 bulk files, 3 rounds
#   FILES=100000 ROUNDS=5 bench/bleachbit.sh
#
# BleachBit is not part of the product (apt-get install bleachbit to compare).
# It is only ever run with --preview, and on a copy of the sample home: it
# keeps its own settings in $HOME/.config/bleachbit.
set -euo pipefail
cd "$(dirname "$0")/.."

FILES="${FILES:-20000}"
ROUNDS="${ROUNDS:-3}"
BUILD="${BUILD:-build/dev}"
CLEANERS="${CLEANERS:-system.cache system.trash thumbnails.cache x11.debug_logs firefox.cache firefox.dom
  firefox.session_restore chromium.cache chromium.dom chromium.session chromium.sync google_chrome.cache
  google_chrome.dom google_chrome.session google_chrome.sync}"

command -v bleachbit >/dev/null || { echo "bleachbit.sh: bleachbit is not installed (apt-get install bleachbit)" >&2; exit 1; }
cmake --build "$BUILD" --target dovrel-cleaner-cli >/dev/null
CLI="$BUILD/src/cli/dovrel-cleaner-cli"

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
"$CLI" sample-home "$WORK/sample" --files "$FILES" --layout linux >/dev/null
HOME_DIR="$(find "$WORK/sample" -mindepth 1 -maxdepth 1 -type d ! -name system | head -n1)"
OURS=(scan --json --layout linux --home "$HOME_DIR" --system-root "$WORK/sample/system")

now() { date +%s.%N; }
median() { sort -n | awk '{a[NR]=$1} END {if (NR%2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }

# Warm the cache, and let BleachBit make its settings folder before timing.
du -sb "$HOME_DIR" >/dev/null
# shellcheck disable=SC2086
HOME="$HOME_DIR" bleachbit --preview $CLEANERS >/dev/null 2>&1 || true
: >"$WORK/bb.t"; : >"$WORK/ours.t"; : >"$WORK/du.t"
for r in $(seq "$ROUNDS"); do
  t0=$(now)
  # shellcheck disable=SC2086
  HOME="$HOME_DIR" bleachbit --preview $CLEANERS >"$WORK/bb-all.txt" 2>/dev/null || true
  t1=$(now)
  "$CLI" "${OURS[@]}" >"$WORK/ours.json"
  t2=$(now)
  du -sb "$HOME_DIR" >/dev/null
  t3=$(now)
  echo "$t1 - $t0" | bc -l >>"$WORK/bb.t"
  echo "$t2 - $t1" | bc -l >>"$WORK/ours.t"
  echo "$t3 - $t2" | bc -l >>"$WORK/du.t"
done
for c in $CLEANERS; do
  HOME="$HOME_DIR" bleachbit --preview "$c" >"$WORK/bb.$c.txt" 2>/dev/null || true
done

printf 'sample home: %s (%s items), %s rounds, warm cache\n' "$HOME_DIR" "$(find "$HOME_DIR" | wc -l)" "$ROUNDS"
printf 'median bleachbit --preview (%s cleaners): %.3f s\n' "$(echo $CLEANERS | wc -w)" "$(median <"$WORK/bb.t")"
printf 'median scan --layout linux --json      : %.3f s\n' "$(median <"$WORK/ours.t")"
printf 'median du -sb                          : %.3f s\n' "$(median <"$WORK/du.t")"
echo

python3 - "$WORK" "$HOME_DIR" $CLEANERS <<'PY'
import json, os, sys
work, home, cleaners = sys.argv[1], sys.argv[2].encode(), sys.argv[3:]
ours = json.load(open(os.path.join(work, "ours.json"), "rb"))
found = {}  # location bytes -> category
for cat in ours["categories"]:
    for item in cat["items"]:
        for key in ("url",):
            if key in item:
                found[os.fsencode(item[key])] = cat["type"]
        for f in item.get("files", []):
            found[os.fsencode(f)] = cat["type"]

def ours_for(path):
    p = path
    while len(p) > len(home):
        if p in found:
            return found[p]
        p = os.path.dirname(p)
    return None

def size(path):
    try:
        st = os.lstat(path)
        return st.st_size if not os.path.isdir(path) or os.path.islink(path) else 0
    except OSError:
        return 0

def human(n):
    for unit in ("B", "KB", "MB", "GB"):
        if n < 1000 or unit == "GB":
            return f"{n:.0f} {unit}" if unit == "B" else f"{n:.1f} {unit}"
        n /= 1000

rows = []
print(f"{'BleachBit cleaner':24} {'paths':>6} {'bytes':>9}   {'inside ours':>11} {'bytes':>9}   our category / not ours")
for c in cleaners:
    paths = []
    for line in open(os.path.join(work, f"bb.{c}.txt"), "rb"):
        if line.startswith(b"Delete ") or line.startswith(b"Truncate "):
            rest = line.split(b" ", 2)[2].rstrip(b"\n")
            paths.append(rest)
    inside = [(p, ours_for(p)) for p in paths]
    hit = [p for p, k in inside if k]
    miss = [p for p, k in inside if not k]
    cats = sorted({k for _, k in inside if k})
    total = sum(size(p) for p in paths)
    hitb = sum(size(p) for p in hit)
    note = ",".join(cats) if cats else "-"
    if miss:
        tops = sorted({b"/".join(os.path.relpath(p, home).split(b"/")[:3]).decode(errors="replace") for p in miss})
        note += "; not ours: " + ", ".join(tops[:4]) + (" ..." if len(tops) > 4 else "")
    print(f"{c:24} {len(paths):>6} {human(total):>9}   {len(hit):>11} {human(hitb):>9}   {note}")
print()
print("Found by us only (not in any BleachBit preview above), by category:")
bb_all = set()
for c in cleaners:
    for line in open(os.path.join(work, f"bb.{c}.txt"), "rb"):
        if line.startswith(b"Delete "):
            bb_all.add(line.split(b" ", 2)[2].rstrip(b"\n"))
def covered(loc):
    if loc in bb_all:
        return True
    prefix = loc + b"/"
    return any(p.startswith(prefix) for p in bb_all)
for cat in ours["categories"]:
    locs = []
    for item in cat["items"]:
        locs += [os.fsencode(item["url"])] if "url" in item else [os.fsencode(f) for f in item.get("files", [])]
    locs = [l for l in locs if os.path.lexists(l)]  # a source may name locations that do not exist
    only = [l for l in locs if not covered(l)]
    print(f"  {cat['type']:11} {len(only):>3} of {len(locs):>3} existing locations"
          + (": " + ", ".join(os.path.relpath(l, home).decode(errors='replace') for l in only[:5]) + (" ..." if len(only) > 5 else "") if only else ""))
PY
