#!/bin/bash
# A screenshot of the window for the README: the example set loaded from the command line and
# object 4 opened, on a private X server. Remake it whenever the window changes:
#   scripts/zrzut-ekranu.sh [PLIK.png]          (default docs/okno.png)
# SKALA=2 takes it at that scale factor; CIEMNY=1 under GTK's dark Adwaita theme.
set -euo pipefail
cd "$(dirname "$0")/.."
wynik=$(realpath -m "${1:-docs/okno.png}")
program=$(realpath build/edytor-obiektow)
skala=${SKALA:-1}
tmp=$(mktemp -d)
trap 'kill $edytor $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT
Xvfb -displayfd 3 -screen 0 1920x1280x24 -nolisten tcp 3>"$tmp/ekran" 2>/dev/null & xvfb=$!
for _ in $(seq 100); do [ -s "$tmp/ekran" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$tmp/ekran")" HOME="$tmp" XDG_RUNTIME_DIR="$tmp" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$skala
unset QT_QPA_PLATFORMTHEME GTK_THEME
[ -z "${CIEMNY:-}" ] || export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
cp examples/przyklad.ORB "$tmp/"
(cd "$tmp" && exec "$program" przyklad.ORB) & edytor=$!
okno=$(timeout 20 xdotool search --sync --onlyvisible --name '^Edytor obiektów')
sleep 0.5
# Object 4 of the thumbnails, at (35 + 48 x 4 + 17, 371 + 17) in the window's own pixels.
x=$(awk "BEGIN { print int(244 * $skala) }"); y=$(awk "BEGIN { print int(388 * $skala) }")
xdotool mousemove --sync --window "$okno" "$x" "$y" click --repeat 2 --delay 60 1
sleep 0.5
import -window "$okno" "$wynik"
echo "$wynik"
