#!/usr/bin/env bash
# The Debian package, end to end, as a user gets it: built by
# scripts/build-deb, checked by lintian, installed on this machine (dpkg -i,
# then apt-get -f install for its dependencies), its files where they belong,
# the installed programs run, then purged with nothing left behind.
# Installing needs root (CI runs as root) or sudo without a password; the
# panel needs a display (./test.sh starts one). A vantorpanel installed
# before is left alone: the test fails instead of replacing it.
set -euo pipefail
source_dir=$1
work=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "== $*"; }

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif sudo -n true 2>/dev/null; then
  as_root=(sudo -n)
else
  echo "installing a package needs root or sudo without a password"
  [ "${CI:-}" = true ] && exit 1
  exit 77
fi
[ -n "${DISPLAY:-}" ] || fail "no display for the panel (./test.sh starts one)"
apt_get=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=600)

# Two runs on one machine take turns: both would install and purge the same
# package.
lock=/tmp/vantorpanel-package-test.lock
[ -e "$lock" ] || (umask 0; : >"$lock")
exec 9<"$lock"
flock -w 3600 9 || fail "another package test held $lock for an hour"

installed() { dpkg-query -W -f='${db:Status-Abbrev}' vantorpanel 2>/dev/null | grep -q '^ii'; }
known() { dpkg-query -W vantorpanel >/dev/null 2>&1; }
known && fail "vantorpanel is on this machine already; purge it first (apt-get purge vantorpanel)"

rm -rf "$work"
mkdir -p "$work/home" "$work/deb"
trap 'if known; then "${apt_get[@]}" purge vantorpanel >/dev/null 2>&1 || true; fi' EXIT

step "build"
"$source_dir/scripts/build-deb" --out "$work/deb" >"$work/build.log" 2>&1 ||
  { tail -n 60 "$work/build.log"; fail "scripts/build-deb failed (all of it in $work/build.log)"; }
deb=$(tail -n1 "$work/build.log")
[ -f "$deb" ] || fail "scripts/build-deb made no package"

step "lintian"
lintian --fail-on error --info "$work"/deb/*.changes || fail "lintian reports errors"

step "dependencies computed by dh_shlibdeps"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libc6 libstdc++6 libwxgtk3.2 libevdev2; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library"
done

step "files in the package"
# dh_installudev puts rules into /lib/udev/rules.d, or /usr/lib/udev/rules.d
# where it has moved with the merged /usr; udev reads both.
expected="\
/lib/udev/rules.d/70-vantorpanel.rules
/usr/bin/VantorPanel
/usr/bin/vantorctl
/usr/lib/modules-load.d/vantorpanel.conf
/usr/lib/systemd/user/vantorctl-remap.service
/usr/share/applications/vantorpanel.desktop
/usr/share/doc/vantorpanel/README.md.gz
/usr/share/doc/vantorpanel/changelog.gz
/usr/share/doc/vantorpanel/copyright
/usr/share/icons/hicolor/48x48/apps/vantorpanel.png
/usr/share/icons/hicolor/scalable/apps/vantorpanel.svg
/usr/share/man/man1/VantorPanel.1.gz
/usr/share/man/man1/vantorctl.1.gz
/usr/share/metainfo/vantorpanel.metainfo.xml"
actual=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./|/|; s|^/usr/lib/udev/|/lib/udev/|' | sort)
diff <(echo "$expected") <(echo "$actual") || fail "the package holds other files than listed (< listed, > packaged)"
udev_rule=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep 'udev/rules.d/70-vantorpanel.rules$' | sed 's|^\.||')

step "install: dpkg -i, then apt-get -f install"
"${as_root[@]}" dpkg -i "$deb" || echo "(dpkg -i left dependencies to apt-get -f install)"
"${apt_get[@]}" -f install
installed || fail "vantorpanel is not installed"
while read -r path; do
  [ "$path" = /lib/udev/rules.d/70-vantorpanel.rules ] && path=$udev_rule
  [ -f "$path" ] || fail "$path is not on the machine"
done <<<"$expected"
[ ! -e /usr/bin/vantor-emu ] || fail "the developers' vantor-emu was installed"
grep -qx uinput /usr/lib/modules-load.d/vantorpanel.conf || fail "vantorpanel.conf does not load uinput"
grep -qx 'ExecStart=/usr/bin/vantorctl remap' /usr/lib/systemd/user/vantorctl-remap.service ||
  fail "the user unit does not run /usr/bin/vantorctl remap"
enabled=$(find /etc/systemd/user -name vantorctl-remap.service 2>/dev/null)
[ -z "$enabled" ] || fail "the user unit was enabled: $enabled"
man -w vantorctl | grep -q '^/usr/share/man/man1/vantorctl.1' || fail "man vantorctl finds no page"

step "desktop entry and AppStream data"
desktop-file-validate /usr/share/applications/vantorpanel.desktop || fail "desktop-file-validate"
# The component keeps the desktop entry's name as its id; the project has no
# domain of its own for a reverse-DNS one.
appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
  /usr/share/metainfo/vantorpanel.metainfo.xml || fail "appstreamcli validate"

# The installed programs, with a home of their own so nothing is left in the
# real one.
run_here=(env -u XDG_DATA_HOME -u VANTOR_PROFILES_DIR HOME="$work/home" NO_AT_BRIDGE=1)

step "vantorctl --simulate 2 list"
listing=$("${run_here[@]}" /usr/bin/vantorctl --simulate 2 list) || fail "vantorctl exited $?"
echo "$listing"
for name in "Zel Vantor 1" "Zel Vantor 2"; do
  grep -q "$name" <<<"$listing" || fail "vantorctl did not list $name"
done

step "VantorPanel --simulate 2 --exit-when-shown"
# A second panel would end at once with code 0 without showing anything; in
# a network namespace of its own the panel's machine-wide instance name is
# its own too (X is reached through its socket file).
private=()
if unshare -n true 2>/dev/null; then private=(unshare -n)
elif unshare -rn true 2>/dev/null; then private=(unshare -rn)
elif grep -q '@vantor_control_panel_mutex_event$' /proc/net/unix; then
  fail "another panel runs on this machine"
fi
"${run_here[@]}" timeout 60 "${private[@]}" /usr/bin/VantorPanel --simulate 2 --exit-when-shown ||
  fail "the installed panel exited $?"

step "purge"
mapfile -t owned < <(dpkg-query -L vantorpanel)
"${apt_get[@]}" purge vantorpanel
known && fail "dpkg still knows vantorpanel after the purge"
for path in "${owned[@]}"; do
  [ "$path" = /. ] && continue
  if [ -d "$path" ]; then
    # A folder stays when other packages own it or it holds their files.
    dpkg-query -S "$path" >/dev/null 2>&1 || [ -n "$(ls -A "$path")" ] ||
      fail "empty folder $path left behind"
  elif [ -e "$path" ] || [ -L "$path" ]; then
    fail "$path left behind"
  fi
done
left=$(find /var/lib/dpkg/info /etc/systemd/user /var/lib/systemd -name '*vantor*' 2>/dev/null)
[ -z "$left" ] || fail "left behind: $left"
echo "installed, ran and purged cleanly"
