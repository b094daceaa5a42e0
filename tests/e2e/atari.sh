#!/bin/bash
# The Atari view in the emulator: atari800 runs the program on a private X server once for each
# PRZEBIEG, atari800's options after the defaults (an 800XL with its own replacement OS, no
# BASIC): "-pal", "-xe -ntsc", "-atari -800-rev altirra -basic", ...; "-pal" and "-ntsc" if none
# is given. Its own screenshot must show the set's objects as the editor's bitmap export shows
# them, register for register, and the background everywhere else. With the DOS of atari_dos.s
# in front of the program (POLE and TLO: the set's numbers of PF0 and the background), a
# PRZEBIEG may end in a check of its own:
#   +esc    after the picture, a key (Esc) must bring back the OS screen as the DOS colours it:
#           its 40 columns in PF0's colour, the border in the background's;
#   +memlo  instead of the picture, the screen editor's first three lines (the program's
#           message) and the three under them (the same text, written by the DOS) must be alike.
#   atari.sh PLIK.xex NAZWA.TILES.BMP ZESTAW.ORB [PRZEBIEG...]
# The set file gives the colour numbers of PF0, PF1, PF2, PF3 and the background (at 2560) and
# their screen colours (at 2565); both fives must differ. Exit 0: as expected; 1: it differs;
# 2: the input cannot be checked; 77: no atari800 here, the check is skipped.
set -euo pipefail
command -v atari800 >/dev/null || { echo "atari800 is not installed: the Atari check is skipped"; exit 77; }
[ $# -ge 3 ] || { echo "usage: atari.sh PLIK.xex NAZWA.TILES.BMP ZESTAW.ORB [PRZEBIEG...]" >&2; exit 2; }
xex=$(realpath "$1"); bmp=$(realpath "$2"); zestaw=$(realpath "$3")
przebiegi=("${@:4}"); [ $# -gt 3 ] || przebiegi=(-pal -ntsc)
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

# The checks of a screenshot $1; each prints what differs and returns 1. The emulator's screen is
# 384 x 240 pixels from colour clock 32 and scan line 8; the screenshot is its visible middle,
# dx and dy pixels in. The narrow playfield starts at pixel 64, the normal one at 32, and the
# display list at line 0: the picture 56 lines below, the OS screen 24.
rozmiar() { read -r w h <<<"$(identify -format '%w %h' "$1")"; dx=$(((384 - w) / 2)) dy=$(((240 - h) / 2)); }
obraz() {
    local x0 y0 roznic x y jest ma gdzie
    rozmiar "$1"; x0=$((64 - dx)) y0=$((56 - dy))
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
    echo "$tv: $roznic pixels differ; first: $gdzie shows $jest, expected $ma" >&2
    return 1
}
esc() {
    rozmiar "$1"
    convert -size "${w}x$h" "xc:#${ekran[4]}" -fill "#${ekran[0]}" \
        -draw "rectangle $((32 - dx)),$((24 - dy)) $((351 - dx)),$((215 - dy))" oczekiwany.png
    compare -metric AE "$1" oczekiwany.png null: 2>/dev/null || { echo "$tv: after Esc, not the OS screen as the DOS colours it" >&2; return 1; }
}
memlo() {
    rozmiar "$1"
    convert "$1" -crop "320x24+$((32 - dx))+$((24 - dy))" +repage komunikat.png
    convert "$1" -crop "320x24+$((32 - dx))+$((48 - dy))" +repage kopia.png
    [ "$(convert komunikat.png -format %k info:)" -gt 1 ] && compare -metric AE komunikat.png kopia.png null: 2>/dev/null \
        || { echo "$tv: not the program's message above the DOS's copy" >&2; return 1; }
}

# Screenshots (F10, held about 0.1 s), half a second apart, until two in a row pass the check $1
# (the OS boots and the program loads first): at most 10, and no more once one passed or one
# differs within the objects.
zrzuty() {
    local zgodne=0
    for _ in $(seq 10); do
        sleep 0.5
        xdotool windowfocus --sync "$okno" keydown F10 sleep 0.1 keyup F10
        zrzut=$(printf '%s%03d.png' "$przebieg" $nr); nr=$((nr + 1))
        for _ in $(seq 50); do [ -s "$zrzut" ] && break; sleep 0.1; done
        sleep 0.2
        if "$1" "$zrzut" 2>blad; then zgodne=$((zgodne + 1)); [ $zgodne = 2 ] && return 0; dobry=$zrzut
        elif [ $zgodne = 1 ] || grep -q ' object ' blad; then break; fi
    done
    cat blad >&2; return 1
}

for przebieg in "${!przebiegi[@]}"; do
    opcje=${przebiegi[przebieg]%+*} sprawdz=${przebiegi[przebieg]##*+} nr=0
    tv=$([[ $opcje = *-ntsc* ]] && echo NTSC || echo PAL)
    # shellcheck disable=SC2086 # one word an option
    atari800 -config "$tmp/atari800.cfg" -xl -xl-rev altirra -nobasic $opcje -nosound \
        -palettep paleta.act -paletten paleta.act -horiz-area tv -vert-area tv \
        -screenshots "$tmp/$przebieg###.png" -run "$xex" >emulator.log 2>&1 & emulator=$!
    okno=$(timeout 20 xdotool search --sync --name '^Atari 800' | head -1)
    case $sprawdz in
    esc) zrzuty obraz && xdotool windowfocus --sync "$okno" keydown Escape sleep 0.1 keyup Escape && zrzuty esc ;;
    memlo) zrzuty memlo ;;
    *) zrzuty obraz ;;
    esac || exit 1
    kill $emulator; wait $emulator 2>/dev/null || true; emulator=""
    # The first matching screenshot of a run, kept where EDYTOR_ZRZUT_ATARI names (make test-debian).
    [ -z "${EDYTOR_ZRZUT_ATARI:-}" ] || [ -e "$EDYTOR_ZRZUT_ATARI" ] || cp "$dobry" "$EDYTOR_ZRZUT_ATARI"
done
echo "atari: the emulator shows what the program must, ${przebiegi[*]}"
