#!/bin/sh
# Without a display the panel says so and ends with code 1: with neither
# variable set, and with a DISPLAY that names no server. It runs in a
# network namespace of its own, so a panel elsewhere on the machine (which
# holds the instance name) cannot make it end early with 0.
set -u
panel="$1"
expected="VantorPanel needs a graphical display: DISPLAY or WAYLAND_DISPLAY is not set or cannot be opened."
isolated=""
unshare -rn true 2>/dev/null && isolated="unshare -rn"
failed=0
check() {  # name, then the environment settings to run with
  name="$1"; shift
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$@" $isolated timeout 20 "$panel" --simulate 1 2>&1)
  code=$?
  if [ $code -ne 1 ]; then echo "$name: exit code $code, not 1"; failed=1; fi
  if [ "$out" != "$expected" ]; then printf '%s: said\n%s\n' "$name" "$out"; failed=1; fi
}
check "nothing set"
# No X server listens on display 231 (nor a socket of that name).
check "no such X server" DISPLAY=:231
check "no such Wayland socket" WAYLAND_DISPLAY=vantor-no-such-wayland-socket
exit $failed
