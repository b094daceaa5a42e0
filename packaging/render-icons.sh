#!/bin/sh
# Renders the committed PNG icons from the SVG. Run by hand after changing the SVG, then commit
# the PNGs; the build never runs it. Needs rsvg-convert (Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")/icons/hicolor"
id=io.github.edytorobiektow.EdytorObiektow
for n in 16 32 48 64 128 256; do
    mkdir -p "${n}x${n}/apps"
    rsvg-convert -w "$n" -h "$n" "scalable/apps/$id.svg" -o "${n}x${n}/apps/$id.png"
done
