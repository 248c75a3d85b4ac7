#!/usr/bin/env bash
# Idle cost of the home screen: starts dovrel-cleaner on a small sample home
# (granted up front, a settings folder of its own), lets it settle, then
#  - measures the CPU time the process itself uses (utime + stime from
#    /proc/<pid>/stat) over SECONDS seconds, as a share of one core; the
#    machine may be busy with other work, so this is not the wall-clock load;
#  - with MINUTES > 0, samples VmRSS once a minute for that many minutes.
#
#   bench/idle_cpu.sh                       # 60 s of CPU, no memory watch
#   SECONDS_IDLE=60 MINUTES=10 bench/idle_cpu.sh
#   DISPLAY_MODE=offscreen bench/idle_cpu.sh  # no X server: Qt's offscreen platform
#   APP=/copy/of/dovrel-cleaner CLI=... SKIP_BUILD=1 bench/idle_cpu.sh  # other binaries
#
# Runs under xvfb-run when there is no display (and xvfb-run exists), so the
# window is really mapped and painted.
set -euo pipefail
cd "$(dirname "$0")/.."

SECONDS_IDLE="${SECONDS_IDLE:-60}"
MINUTES="${MINUTES:-0}"
SETTLE="${SETTLE:-8}"
BUILD="${BUILD:-build/dev}"
DISPLAY_MODE="${DISPLAY_MODE:-auto}"

if [ "${SKIP_BUILD:-0}" != 1 ]; then
  cmake --build "$BUILD" --target dovrel-cleaner dovrel-cleaner-cli >/dev/null
fi
CLI="${CLI:-$BUILD/src/cli/dovrel-cleaner-cli}"
APP="${APP:-$(find "$BUILD" -path '*dovrel-cleaner.app/Contents/MacOS/dovrel-cleaner' -type f -perm -u+x | head -n1)}"
[ -n "$APP" ] || { echo "idle_cpu.sh: no dovrel-cleaner in $BUILD" >&2; exit 1; }

WORK="$(mktemp -d)"
APP_PID=""
cleanup() {
  if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then
    kill "$APP_PID" 2>/dev/null || true
    wait "$APP_PID" 2>/dev/null || true
  fi
  rm -rf "$WORK"
}
trap cleanup EXIT

export XDG_CONFIG_HOME="$WORK/config"
mkdir -p "$XDG_CONFIG_HOME"
"$CLI" sample-home "$WORK/sample" --files 200 >/dev/null
HOME_DIR="$(find "$WORK/sample" -mindepth 1 -maxdepth 1 -type d ! -name Applications | head -n1)"
"$CLI" grant --home "$HOME_DIR" --applications "$WORK/sample/Applications" >/dev/null

if [ "$DISPLAY_MODE" = auto ]; then
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    DISPLAY_MODE=display
  elif command -v xvfb-run >/dev/null; then
    DISPLAY_MODE=xvfb
  else
    DISPLAY_MODE=offscreen
  fi
fi

case "$DISPLAY_MODE" in
  xvfb)
    # xvfb-run stays the parent; the application is its child.
    xvfb-run -a -s "-screen 0 1280x800x24" "$APP" >"$WORK/app.log" 2>&1 &
    RUNNER=$!
    for _ in $(seq 50); do
      APP_PID="$(pgrep -P "$RUNNER" -x dovrel-cleaner || true)"
      [ -n "$APP_PID" ] && break
      # xvfb-run runs the program under a shell of its own.
      for child in $(pgrep -P "$RUNNER" || true); do
        APP_PID="$(pgrep -P "$child" -x dovrel-cleaner || true)"
        [ -n "$APP_PID" ] && break
      done
      [ -n "$APP_PID" ] && break
      sleep 0.2
    done
    ;;
  offscreen)
    QT_QPA_PLATFORM=offscreen "$APP" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    ;;
  *)
    "$APP" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    ;;
esac
[ -n "$APP_PID" ] || { echo "idle_cpu.sh: the application did not start" >&2; cat "$WORK/app.log" >&2; exit 1; }

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
HZ="$(getconf CLK_TCK)"

sleep "$SETTLE"
kill -0 "$APP_PID" 2>/dev/null || { echo "idle_cpu.sh: the application ended" >&2; cat "$WORK/app.log" >&2; exit 1; }
echo "dovrel-cleaner pid $APP_PID ($DISPLAY_MODE), home screen, settled for ${SETTLE}s"

start_ticks="$(cpu_ticks "$APP_PID")"
start_time="$(date +%s.%N)"
sleep "$SECONDS_IDLE"
end_ticks="$(cpu_ticks "$APP_PID")"
end_time="$(date +%s.%N)"
awk -v t0="$start_ticks" -v t1="$end_ticks" -v w0="$start_time" -v w1="$end_time" -v hz="$HZ" 'BEGIN {
  cpu = (t1 - t0) / hz; wall = w1 - w0;
  printf "idle CPU: %.2f s of CPU in %.1f s = %.2f %% of one core\n", cpu, wall, 100 * cpu / wall }'

if [ "$MINUTES" -gt 0 ]; then
  echo "VmRSS each minute (kB):"
  first="$(rss_kb "$APP_PID")"
  echo "  minute 0: $first"
  for m in $(seq "$MINUTES"); do
    sleep 60
    now="$(rss_kb "$APP_PID")"
    echo "  minute $m: $now ($((now - first)) kB since minute 0)"
  done
  total_ticks="$(cpu_ticks "$APP_PID")"
  awk -v t0="$start_ticks" -v t1="$total_ticks" -v hz="$HZ" -v m="$MINUTES" -v s="$SECONDS_IDLE" 'BEGIN {
    printf "CPU over the whole watch: %.2f s in about %d s\n", (t1 - t0) / hz, s + 60 * m }'
fi
