#!/usr/bin/env bash
# Renders the program's icon (src/settings/data/icons/org.morvane.Morvane.svg)
# into the PNG sizes of the hicolor theme beside it, with rsvg-convert
# (librsvg2-bin, installed by tools/setup.sh --developer). Run it after a change
# of the drawing and commit the PNGs; --check only tells whether they are the
# ones the drawing gives.
set -euo pipefail
icons="$(cd "$(dirname "$0")/../src/settings/data/icons" && pwd)"
svg="$icons/org.morvane.Morvane.svg"
check=false
[ "${1:-}" = --check ] && check=true
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$svg" -o "$work/$size.png"
  png="$icons/${size}x${size}.png"
  if $check; then
    cmp -s "$work/$size.png" "$png" || { echo "$png differs from the drawing" >&2; status=1; }
  else
    cp "$work/$size.png" "$png"
  fi
done
exit $status
