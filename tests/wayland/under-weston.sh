#!/usr/bin/env bash
# Runs a command as a client of a headless Weston compositor of its own:
#   tests/wayland/under-weston.sh PROGRAM [ARGS...]
# Fails when the program fails or when Qt's Wayland platform warns (a
# position or a window role it could not set). Exits 77 (skipped) when
# Weston or Qt's Wayland platform is not installed.
set -uo pipefail

if ! command -v weston >/dev/null; then
  echo "under-weston: weston is not installed" >&2
  exit 77
fi
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
  echo "under-weston: Qt's Wayland platform (qt6-wayland) is not installed" >&2
  exit 77
fi

runtime="$(mktemp -d)"
chmod 700 "$runtime"
socket="dovrel-test-$$"
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --socket="$socket" --width=1600 --height=1000 --idle-time=0 \
  >"$runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  sleep 0.05
done
if [ ! -S "$runtime/$socket" ]; then
  echo "under-weston: weston did not start:" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi

export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
"$@" 2>"$runtime/stderr"
status=$?
cat "$runtime/stderr" >&2
if grep -E "^qt\.qpa\.wayland|Wayland does not support|Could not create" "$runtime/stderr" >/dev/null; then
  echo "under-weston: Qt's Wayland platform warned (above)" >&2
  exit 1
fi
exit "$status"
