#!/bin/sh
# A second panel ends at once with code 0 while the first runs; once the
# first has ended, a panel starts again. Needs a display.
set -u
panel="$1"
name=vantor_control_panel_mutex_event
holding() { grep -q "@$name\$" /proc/net/unix; }

if holding; then echo "another panel holds the instance name; cannot test"; exit 1; fi
"$panel" --simulate 0 &
first=$!
i=0
until holding; do
  i=$((i + 1))
  if [ $i -gt 100 ]; then echo "the first panel never took the instance name"; kill $first; exit 1; fi
  sleep 0.1
done

start=$(date +%s%N)
timeout 20 "$panel" --simulate 0
second=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
kill $first
wait $first 2>/dev/null
if [ $second -ne 0 ]; then echo "second start exited $second, not 0"; exit 1; fi
echo "second start ended with 0 after ${elapsed_ms} ms"

i=0
while holding; do
  i=$((i + 1))
  if [ $i -gt 100 ]; then echo "the name outlived the first panel"; exit 1; fi
  sleep 0.1
done
timeout 60 "$panel" --simulate 0 --exit-when-shown
third=$?
if [ $third -ne 0 ]; then echo "a start after the first ended exited $third"; exit 1; fi
echo "a start after the first ended ran and showed its window"
