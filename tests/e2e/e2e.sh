#!/bin/bash
# The real editor on a private X server, used as a user would through xdotool: started with a
# set file and one of Qt's window options on the command line, open object 17, paint with PF0
# and PF1, store, save and compare the bytes, change the set and load it back, export and check
# the files, which the batch export of the same set must give byte for byte. $1: the editor's
# executable. Places are the window's layout.
source "$(dirname "$0")/poczatek.sh"
trap 'kill $edytor $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>ekran 2>/dev/null & xvfb=$!
for _ in $(seq 100); do [ -s ekran ] && break; sleep 0.1; done
export DISPLAY=":$(cat ekran)" HOME="$tmp" XDG_RUNTIME_DIR="$tmp" QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE XDG_CONFIG_HOME XDG_DATA_HOME
cp "$dane/poczatek.ORB" start.ORB
printf '\x42' | dd of=start.ORB bs=1 seek=2560 conv=notrunc status=none    # PF0's colour number
# Qt's own window options, each with a value, go to Qt and leave the set file to the editor; the
# style the user names wins over the editor's own.
visual=$(xdpyinfo | awk '/default visual id/ {print $4}')
"$program" -visual "$visual" -style Fusion start.ORB 2> >(grep -v "X11 connection broke" >&2) & edytor=$!
okno=$(timeout 20 xdotool search --sync --onlyvisible --name '^Edytor obiektów')

klik() { xdotool mousemove --sync --window "$okno" "$1" "$2" click --repeat "${3:-1}" --delay 60 1; }
# Waits for the window of that title, types the text into it, presses Return, waits until it is
# gone; fails at once, naming it, if it never comes.
odpowiedz() {
    local w=""
    # A search dies on a window that goes away while it looks (BadWindow): it is tried again.
    for _ in $(seq 200); do
        w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) || true
        [ -z "$w" ] || break; sleep 0.1
    done
    [ -n "$w" ] || { echo "\"$1\" never appeared" >&2; return 1; }
    timeout 5 xdotool windowfocus --sync "$w"
    [ -z "${2:-}" ] || xdotool type --delay 8 "$2"
    xdotool key Return
    # Gone once its own window is destroyed, with all that the dialog held: the file name's
    # completion list, open when Return was pressed, holds the pointer until then, so a click
    # sent as soon as the dialog is merely hidden goes to that list, which closes and drops it.
    # (A search of all windows would not do either: it dies on any window that goes away while
    # it looks, which reads as gone while the dialog is still open.)
    for _ in $(seq 200); do xwininfo -id "$w" >/dev/null 2>&1 || return 0; sleep 0.05; done
    echo "\"$1\" still open" >&2; return 1
}
zapisz() { klik 688 312; odpowiedz "Zachowaj jako" "$tmp/$1"; odpowiedz Informacja; }

klik 100 436 2                      # ZZ(17): codes 17, 17, 81, 81
klik 568 36; klik 288 32            # PF0 into cell 0: row 0 of character 17 is 01 00 00 00
klik 568 68; klik 320 48            # PF1 into cell 5: row 1 is 00 10 00 00
klik 400 312                        # "Zapamiętaj edytowany obiekt"
zapisz a.ORB
cp start.ORB oczekiwany.ORB
printf '\x40\x20' | dd of=oczekiwany.ORB bs=1 seek=136 conv=notrunc status=none
cmp a.ORB oczekiwany.ORB

klik 288 32; klik 400 312           # the set changes, then the file comes back
klik 584 312; odpowiedz "Otwórz" "$tmp/a.ORB"
zapisz b.ORB
cmp a.ORB b.ORB

klik 784 312; odpowiedz "Zachowaj jako" "$tmp/D"; odpowiedz Informacja
cmp D.FN2 <(head -c 2048 a.ORB)
cmp D.KODY <(tail -c +2049 a.ORB | head -c 512)
cmp D.KOLORY <(tail -c +2561 a.ORB | head -c 5)
grep -q "^Edytor obiektów" D
[ "$(identify -format '%wx%h' D.TILES.BMP)" = 4096x32 ]
# Object 17 starts at column 544: cell 0 in PF0's colour, cell 5 (x + 4, y + 2) in PF1's.
[ "$(convert D.TILES.BMP -crop 8x4+544+0 +repage -format '%[hex:p{0,0}] %[hex:p{4,2}]' info:)" = "FF982C 27F927" ]
# Fusion's button has round corners; the Windows style would draw a black shadow at "Wczytaj"'s.
[ "$(import -window "$okno" png:- | convert - -format '%[hex:p{616,320}]' info:)" != 000000 ]
# A batch command takes none of Qt's options, with a display as without one.
kod=0; "$program" -style Fusion --eksportuj a.ORB W 2>/dev/null || kod=$?
[ "$kod" = 2 ]; [ ! -e W.FN2 ]
unset DISPLAY
"$program" --eksportuj a.ORB W
for koncowka in "" .FN2 .KODY .KOLORY .TILES.BMP; do cmp "D$koncowka" "W$koncowka"; done
echo "e2e: OK"
