#!/bin/sh
# With no kernel cached and no way to fetch one, tests/vm/run says so; it
# then fails with CI=true and gives ctest's skip code (77) elsewhere.
# Usage: without_kernel_test.sh RUN
set -u
run="$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/cache" "$tmp/apt/lists/partial" "$tmp/apt/archives/partial"
# An archive without sources, whose package lists are kept here.
cat > "$tmp/apt.conf" <<CONF
Dir::Etc::sourcelist "/dev/null";
Dir::Etc::sourceparts "$tmp/none";
Dir::State::Lists "$tmp/apt/lists";
Dir::Cache "$tmp/apt";
Dir::Cache::pkgcache "";
Dir::Cache::srcpkgcache "";
CONF
sentence="no kernel is cached and Debian's archive cannot be reached"
status=0
for ci in "" true; do
  out=$(env CI="$ci" APT_CONFIG="$tmp/apt.conf" VANTOR_VM_CACHE="$tmp/cache" \
          "$run" --work "$tmp/work" /bin/true 2>&1)
  code=$?
  if [ -n "$ci" ]; then want=1; else want=77; fi
  if [ $code -ne $want ]; then
    echo "CI=$ci: exit $code, not $want"; status=1
  fi
  case "$out" in
    *"$sentence"*) ;;
    *) echo "CI=$ci: the reason is missing"; status=1 ;;
  esac
  echo "CI=$ci, exit $code: $out"
done
exit $status
