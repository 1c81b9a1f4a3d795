#!/bin/sh
# vantorctl remap with simulated adapters runs until SIGTERM, then ends with
# exit code 0. Usage: remap_stops_on_signal.sh VANTORCTL
set -u
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$1" --simulate 2 remap >"$out" 2>&1 &
pid=$!
# The running line comes once the signals are taken over.
tries=0
until grep -q "stop with Ctrl+C or SIGTERM" "$out"; do
  tries=$((tries + 1))
  if [ $tries -gt 200 ] || ! kill -0 $pid 2>/dev/null; then
    echo "remap did not start:"; cat "$out"; kill $pid 2>/dev/null; exit 1
  fi
  sleep 0.05
done
kill -TERM $pid
wait $pid
code=$?
cat "$out"
[ $code -eq 0 ] && grep -q "^Stopped\.$" "$out"
