#!/bin/sh
# The man pages format without a warning from groff (as lintian checks them),
# and name every command and option the programs' own usage texts list.
set -u
man_dir="$1" vantorctl="$2" panel="$3"
status=0
page_text() { MANWIDTH=200 man -l -P cat "$man_dir/$1" 2>/dev/null; }

for page in vantorctl.1 VantorPanel.1; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
             "$man_dir/$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "$page: $warnings"; status=1; }
done

# vantorctl's usage lists "  COMMAND [SUBCOMMAND ARGS | SUBCOMMAND ARGS ...]"
# below "commands:".
ctl_usage=$("$vantorctl" 2>&1 | sed -n '/^usage:/,$p')
ctl_page=$(page_text vantorctl.1)
commands=$(printf '%s\n' "$ctl_usage" | awk '
  /^commands:/ { on = 1; next }
  on && !/^  / { on = 0 }
  on {
    sub(/^  /, ""); name = $1; rest = substr($0, length(name) + 2)
    n = split(rest, alternatives, / \| /)
    if (n == 0) print name
    for (i = 1; i <= n; i++) {
      split(alternatives[i], w, " ")
      print (w[1] ~ /^[a-z]+$/) ? name " " w[1] : name
    }
  }' | sort -u)
[ -n "$commands" ] || { echo "no commands in the usage of $vantorctl"; status=1; }
while read -r words; do
  [ -n "$words" ] || continue
  printf '%s\n' "$ctl_page" | grep -q "^       $words\( \|\$\)" ||
    { echo "vantorctl.1 has no entry for: $words"; status=1; }
done <<COMMANDS
$commands
COMMANDS

check_options() {  # page usage
  for option in $(printf '%s\n' "$2" | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    printf '%s\n' "$(page_text "$1")" | grep -q -- "$option" ||
      { echo "$1 does not mention $option"; status=1; }
  done
}
check_options vantorctl.1 "$ctl_usage"
check_options VantorPanel.1 "$("$panel" --no-such-option 2>&1 | sed -n '/^usage:/,$p')"
exit $status
