#!/bin/sh
# The icon files are what make_icon.py draws now, and the SVG, rasterised at
# the PNG's size, shows the PNG's picture: no pixel differs by more than 30%
# of the colour range (edges blend a little differently; a shape moved by a
# pixel or two already fails).
set -u
source_dir="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

python3 "$source_dir/resources/make_icon.py" "$work" || { echo "make_icon.py failed"; exit 1; }
for f in vantor_icon.xpm vantor_icon.png vantor_icon.svg; do
  if ! cmp -s "$work/$f" "$source_dir/resources/$f"; then
    echo "resources/$f is not what make_icon.py draws: run python3 resources/make_icon.py"
    status=1
  fi
done

rsvg-convert -w 48 -h 48 "$source_dir/resources/vantor_icon.svg" -o "$work/svg.png" ||
  { echo "rsvg-convert cannot draw the SVG"; exit 1; }
differing=$(compare -metric AE -fuzz 30% "$source_dir/resources/vantor_icon.png" "$work/svg.png" null: 2>&1)
case "$differing" in
  *[!0-9]* | "") echo "compare failed: $differing"; exit 1 ;;
esac
echo "SVG at 48x48 against the PNG: $differing pixels differ"
[ "$differing" -le 2 ] || { echo "the SVG does not show the PNG's picture"; status=1; }
exit $status
