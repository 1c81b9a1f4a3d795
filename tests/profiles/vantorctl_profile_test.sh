#!/bin/sh
# vantorctl profile save/load against one simulated adapter whose memory is
# a state file: a hand-written profile (CRLF, keys in any case) reaches the
# adapter only with --submit, and a save gives it back as the program
# writes profiles.
# Usage: vantorctl_profile_test.sh VANTORCTL DATA_FOLDER
set -eu
vantorctl=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
ctl() { "$vantorctl" --simulate 1 --state "$work/adapter.state" "$@"; }

ctl profile load "$data/hand_written.ini" > "$work/out" || fail "load without --submit"
grep -q '^UpEdge = 40$' "$work/out" || fail "load shows the loaded settings"
[ ! -e "$work/adapter.state" ] || fail "without --submit nothing reaches the adapter"
ctl show 1 | grep -q '^UpEdge = 31$' || fail "the adapter still has its own settings"

ctl profile load "$data/hand_written.ini" --submit > /dev/null || fail "load --submit"
ctl show 1 | grep -q '^UpEdge = 40$' || fail "the adapter holds the profile after --submit"
ctl profile save "$work/saved.ini" > /dev/null || fail "save"
cmp "$work/saved.ini" "$data/hand_written_saved.ini" || fail "saved profile differs"

# The saved file goes back to the adapter unchanged.
ctl profile load "$work/saved.ini" --submit > "$work/again" || fail "load of the saved profile"
ctl show 1 > "$work/shown"
grep -v '^Sent' "$work/again" | cmp - "$work/shown" || fail "round trip changed a setting"

# Refusals: a file that cannot be read sends nothing; a save that cannot be
# written says so; a second adapter that is not there.
before=$(cat "$work/adapter.state")
if ctl profile load "$work/missing.ini" --submit 2> "$work/err"; then fail "missing file loaded"; fi
grep -q 'could not be read: No such file or directory' "$work/err" || fail "missing file message"
[ "$(cat "$work/adapter.state")" = "$before" ] || fail "a failed load reached the adapter"
if ctl profile save "$work/nofolder/p.ini" 2> "$work/err"; then fail "save into a missing folder"; fi
grep -q 'could not be saved: No such file or directory' "$work/err" || fail "failed save message"
if ctl profile save "$work/p2.ini" --adapter 2 2> /dev/null; then fail "adapter 2 does not exist"; fi

# The listing of the Profiles folder.
mkdir "$work/Profiles"
cp "$data/hand_written.ini" "$work/Profiles/Zed.ini"
cp "$data/hand_written.ini" "$work/Profiles/arcade.INI"
VANTOR_PROFILES_DIR="$work/Profiles" "$vantorctl" profile list > "$work/list"
printf 'Profiles in %s:\n  arcade.INI\n  Zed.ini\n' "$work/Profiles" | cmp - "$work/list" \
  || fail "profile list"
echo "profile commands: ok"
