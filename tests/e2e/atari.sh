#!/bin/bash
# The Atari view in the emulator: atari800 (800XL, its own replacement OS, no BASIC) runs the
# program on a private X server, as PAL and as NTSC, and its own screenshot must show the set's
# objects as the editor's bitmap export shows them, register for register, and the background
# everywhere else.
#   atari.sh PLIK.xex NAZWA.TILES.BMP ZESTAW.ORB
# The set file gives the colour numbers of PF0, PF1, PF2, PF3 and the background (at 2560) and
# their screen colours (at 2565); both fives must differ. Exit 0: the same picture; 1: it
# differs; 2: the input cannot be checked; 77: no atari800 here, the check is skipped.
set -euo pipefail
command -v atari800 >/dev/null || { echo "atari800 is not installed: the Atari check is skipped"; exit 77; }
[ $# = 3 ] || { echo "usage: atari.sh PLIK.xex NAZWA.TILES.BMP ZESTAW.ORB" >&2; exit 2; }
xex=$(realpath "$1"); bmp=$(realpath "$2"); zestaw=$(realpath "$3")
emulator="" xvfb=""
tmp=$(mktemp -d)
trap 'kill $emulator $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT
cd "$tmp"
nie() { echo "atari.sh: $*" >&2; exit 2; }

nazwy=(PF0 PF1 PF2 PF3 BAK)
read -r -a b <<<"$(od -A n -t u1 -w20 -j 2560 -N 20 "$zestaw")"
[ ${#b[@]} = 20 ] || nie "$3 holds no colours"
for r in 0 1 2 3 4; do
    numer[r]=${b[r]}
    ekran[r]=$(printf '%02X%02X%02X' "${b[5 + 3 * r]}" "${b[6 + 3 * r]}" "${b[7 + 3 * r]}")
done
# GTIA ignores bit 0 of a colour number, so numbers are told apart without it.
[ "$(printf '%s\n' "${ekran[@]}" | sort -u | wc -l)" = 5 ] || nie "the set's screen colours are not all different"
[ "$(for n in "${numer[@]}"; do echo $((n >> 1)); done | sort -u | wc -l)" = 5 ] || nie "the set's colour numbers are not all different"
[ "$(identify -format %wx%h "$bmp")" = 4096x32 ] || nie "$2 is not a 4096 x 32 bitmap"

# The emulator's palette: each register's colour number in that register's screen colour, every
# other number in a colour of no register. The screenshot then shows registers as the bitmap does.
zapas=123456
while printf '%s\n' "${ekran[@]}" | grep -qx "$zapas"; do zapas=$(printf '%06X' $((0x$zapas + 1))); done
for i in $(seq 0 255); do
    k=$zapas
    for r in 0 1 2 3 4; do (( i >> 1 == numer[r] >> 1 )) && k=${ekran[r]}; done
    printf "\\x${k:0:2}\\x${k:2:2}\\x${k:4:2}"
done >paleta.act

# The picture expected: a mode 4 pixel is 2 x 1 screenshot pixels, an object pixel of the bitmap
# 4 x 2, so the bitmap at half size. Its 8 strips of 16 objects, the left half's then the right
# half's, one under the other: rows 0..3 with the codes, 4..7 with the inverse codes.
convert "$bmp" -sample 50% -crop 256x16 +repage -append obraz.png

Xvfb -displayfd 3 -noreset -screen 0 640x480x24 -nolisten tcp 3>wyswietlacz 2>/dev/null & xvfb=$!
for _ in $(seq 100); do [ -s wyswietlacz ] && break; sleep 0.1; done
export DISPLAY=":$(cat wyswietlacz)" HOME="$tmp" SDL_AUDIODRIVER=dummy

# Compares the screenshot $1 ($2: PAL or NTSC) with the picture expected; prints the first place
# that differs and returns 1.
porownaj() {
    local w h x0 y0 roznic x y jest ma gdzie
    read -r w h <<<"$(identify -format '%w %h' "$1")"
    # The emulator's screen is 384 x 240 pixels from colour clock 32 and scan line 8; the
    # screenshot is the visible middle of it. The narrow playfield starts at pixel 64, and the
    # picture 56 lines below the start of the display list.
    x0=$((64 - (384 - w) / 2)) y0=$((56 - (240 - h) / 2))
    (( x0 >= 0 && y0 >= 0 && x0 + 256 <= w && y0 + 128 <= h )) || { echo "$2: the picture is off the screen" >&2; return 1; }
    convert -size "${w}x$h" "xc:#${ekran[4]}" obraz.png -geometry "+$x0+$y0" -composite oczekiwany.png
    roznic=$(compare -metric AE "$1" oczekiwany.png null: 2>&1) && return 0
    read -r x y <<<"$(convert "$1" oczekiwany.png -compose difference -composite -fill white +opaque black txt:- \
        | grep -m1 -i 'white' | sed 's/^\([0-9]*\),\([0-9]*\):.*/\1 \2/')"
    jest=$(convert "$1" -format "%[hex:p{$x,$y}]" info:) ma=$(convert oczekiwany.png -format "%[hex:p{$x,$y}]" info:)
    for r in 0 1 2 3 4; do [ "$jest" = "${ekran[r]}" ] && jest=${nazwy[r]}; [ "$ma" = "${ekran[r]}" ] && ma=${nazwy[r]}; done
    gdzie="outside the objects"
    if (( x >= x0 && x < x0 + 256 && y >= y0 && y < y0 + 128 )); then
        x=$((x - x0)) y=$((y - y0))
        gdzie="object $((y / 16 % 4 * 16 + x / 16))$( ((y < 64)) || echo ' (inverse codes)'), pixel ($((x % 16 / 2)), $((y % 16)))"
    fi
    echo "$2: $roznic pixels differ; first: $gdzie shows $jest, expected $ma" >&2
    return 1
}

for tv in PAL NTSC; do
    atari800 -config "$tmp/atari800.cfg" -xl -xl-rev altirra -nobasic "-${tv,,}" -nosound \
        -palettep paleta.act -paletten paleta.act -horiz-area tv -vert-area tv \
        -screenshots "$tmp/$tv###.png" -run "$xex" >emulator.log 2>&1 & emulator=$!
    okno=$(timeout 20 xdotool search --sync --name '^Atari 800' | head -1)
    # A screenshot a second, until one shows the picture (the OS boots and the program loads
    # first); one more after that must show it too.
    zgodne=0
    for n in $(seq 0 9); do
        sleep 1
        xdotool windowfocus --sync "$okno" keydown F10 sleep 0.1 keyup F10
        zrzut=$(printf '%s%03d.png' $tv "$n")
        for _ in $(seq 50); do [ -s "$zrzut" ] && break; sleep 0.1; done
        sleep 0.2
        if porownaj "$zrzut" $tv 2>blad; then zgodne=$((zgodne + 1)); [ $zgodne = 2 ] && break
        elif [ $zgodne = 1 ]; then break; fi
    done
    kill $emulator; wait $emulator 2>/dev/null || true; emulator=""
    [ $zgodne = 2 ] || { cat blad >&2; exit 1; }
    # The first matching screenshot of a run, kept where EDYTOR_ZRZUT_ATARI names (make test-debian).
    [ -z "${EDYTOR_ZRZUT_ATARI:-}" ] || [ -e "$EDYTOR_ZRZUT_ATARI" ] || cp "$zrzut" "$EDYTOR_ZRZUT_ATARI"
done
echo "atari: the emulator shows the objects as the editor, PAL and NTSC"
