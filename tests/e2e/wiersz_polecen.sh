#!/bin/bash
# The command line as whole processes, with no display at all: help, version, usage errors and
# the batch commands' refusals and failures. $1: the editor's executable.
source "$(dirname "$0")/poczatek.sh"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

pomoc=$("$program" --help)
[[ "$pomoc" == *"--zrodlo mads "*"--zrodlo ca65 "*"--zrodlo xa "*"--zrodlo c "*"--eksportuj "*"--atari "*"--zrodlo <JĘZYK>  "*"-h, --help        Wyświetla tę pomoc."*"-v, --version     Wyświetla numer wersji."* ]]
[[ "$("$program" --version)" =~ ^"Edytor obiektów "[0-9]+\.[0-9]+\.[0-9]+$ ]]
# A wrong line is a usage error with no display and with one that does not answer, also where
# Qt's -platform brings up a platform that needs none.
for ekran in "" :99999; do
    for zle in "a.ORB b.ORB" "--nie-ma" "--eksportuj" "--eksportuj a b c" "--atari" "--eksportuj a --atari" "--zrodlo" "--zrodlo c" \
               "--zrodlo pascal a" "--zrodlo c a b c" "--zrodlo c a --atari" "--z-obrazu a" "--z-obrazu a b c d" \
               "-platform offscreen --nie-ma" "-style Fusion --eksportuj a" "--eksportuj a -platform xcb"; do
        kod=0; env ${ekran:+DISPLAY=$ekran} "$program" $zle >wyjscie 2>bledy || kod=$?
        [ "$kod" = 2 ] && [ ! -s wyjscie ] && grep -q "^Użycie: edytor-obiektow \[PLIK\]" bledy || { echo "$ekran $zle: $kod" >&2; exit 1; }
    done
done
# A right line with a display that does not answer fails as Qt fails, not as a usage error;
# Qt takes its options with two dashes too.
for styl in -style --style; do
    kod=0; DISPLAY=:99999 "$program" $styl Fusion "$dane/poczatek.ORB" 2>bledy || kod=$?
    [ "$kod" != 0 ] && [ "$kod" != 2 ] && ! grep -q "Użycie" bledy || { echo "$styl with no display: $kod" >&2; exit 1; }
done
# -platform takes the window there, display or not; it runs until stopped.
kod=0; timeout 2 "$program" -platform offscreen "$dane/poczatek.ORB" 2>bledy || kod=$?
[ "$kod" = 124 ] && ! grep -q "Użycie" bledy || { echo "-platform offscreen: $kod" >&2; exit 1; }

# $1: the first line expected on standard error; the rest: the command line.
odmowa() {
    local oczekiwany=$1; shift
    kod=0; "$program" "$@" 2>bledy || kod=$?
    [ "$kod" = 1 ] && [ "$(head -1 bledy)" = "$oczekiwany" ] || { echo "$*: $kod, $(cat bledy)" >&2; exit 1; }
}
head -c 2048 "$dane/poczatek.ORB" > znaki.FN2
odmowa "Niepoprawny format pliku!" --eksportuj znaki.FN2
odmowa "Nie udało się odczytać pliku!" --eksportuj brak.ORB
cp "$dane/poczatek.ORB" z.ORB
odmowa "Nie udało się zapisać pliku!" --eksportuj z.ORB brak/X
grep -qx "Nie ma takiego pliku ani folderu." bledy
# A name of the export taken by a folder stops it before anything is written.
mkdir out
odmowa "Nie udało się zapisać pliku!" --eksportuj z.ORB out
grep -qx "To jest folder." bledy
# The Atari program: no file from a FIFO, a folder, a missing file, a wrong size or a full disk,
# nor in place of a FIFO or of the set file itself.
mkfifo fifo
odmowa "Nie udało się odczytać pliku!" --atari fifo
odmowa "Niepoprawny format pliku!" --atari znaki.FN2
odmowa "Nie udało się zapisać pliku!" --atari z.ORB fifo
grep -qx "To nie jest plik." bledy; [ -p fifo ]
odmowa "Nie udało się zapisać pliku!" --atari z.ORB out
odmowa "Nie udało się zapisać pliku!" --atari z.ORB z.ORB
grep -qx "To jest plik zestawu." bledy; cmp z.ORB "$dane/poczatek.ORB"
(trap '' XFSZ; ulimit -f 1; odmowa "Nie udało się zapisać pliku!" --atari z.ORB duzy.XEX)
grep -qx "Plik jest za duży." bledy
# The export's data files fit under the limit, its bitmap does not: none of the five is written.
(trap '' XFSZ; ulimit -f 10; odmowa "Nie udało się zapisać pliku!" --eksportuj z.ORB duzy)
# No command writes over the set file it reads, by any name: one of the export's own, a link, "../".
cp z.ORB GAME.KODY; ln -s z.ORB GAME.KOLORY; ln -s z.ORB link.XEX
odmowa "Nie udało się zapisać pliku!" --eksportuj GAME.KODY GAME
odmowa "Nie udało się zapisać pliku!" --eksportuj z.ORB GAME
odmowa "Nie udało się zapisać pliku!" --atari z.ORB link.XEX
odmowa "Nie udało się zapisać pliku!" --atari ./z.ORB "../${PWD##*/}/z.ORB"
grep -qx "To jest plik zestawu." bledy; cmp z.ORB GAME.KODY; cmp z.ORB "$dane/poczatek.ORB"
rm GAME.* link.XEX
# A picture of the objects brought back: the export's bitmap, its left half and a PNG of it give
# the set file back byte for byte; a refused picture, a file that is no picture, a FIFO, a folder
# and the picture itself as the result leave the set file as it was, to its time stamp.
cp "$dane/sesja.ORB" s.ORB; "$program" --eksportuj s.ORB E
convert E.TILES.BMP -crop 2048x32+0+0 +repage L.png
for obraz in E.TILES.BMP L.png; do "$program" --z-obrazu s.ORB $obraz w.ORB; cmp w.ORB s.ORB; done
convert L.png -fill '#010203' -draw 'point 41,3' Z.png; touch -d @946684800 s.ORB
odmowa "Nie udało się wczytać obrazu!" --z-obrazu s.ORB Z.png
grep -qx "Obiekt 1, piksel (2, 1): blok 4 x 2 ma więcej niż jeden kolor." bledy
odmowa "Nie udało się wczytać obrazu!" --z-obrazu s.ORB znaki.FN2
odmowa "Nie udało się odczytać pliku!" --z-obrazu s.ORB fifo
odmowa "Nie udało się odczytać pliku!" --z-obrazu s.ORB out
odmowa "Nie udało się zapisać pliku!" --z-obrazu s.ORB L.png L.png
[ "$(stat -c %Y s.ORB)" = 946684800 ]; cmp s.ORB "$dane/sesja.ORB"
# Nor is a set that the load would re-lay out ("JGP" with an inverted code) written back changed.
cp "$dane/okno.ORB" j.ORB; printf '\x83' | dd of=j.ORB bs=1 seek=2050 conv=notrunc status=none; cp j.ORB j0.ORB
"$program" --eksportuj j.ORB J
odmowa "Nie udało się wczytać obrazu!" --z-obrazu j.ORB J.TILES.BMP
grep -q "^Wczytanie zmienia ten zestaw" bledy; cmp j.ORB j0.ORB
rm E* J* L.png Z.png s.ORB w.ORB j.ORB j0.ORB
[ "$(ls)" = "bledy
fifo
out
wyjscie
z.ORB
znaki.FN2" ]
# Success says nothing; with the default base name the set file itself stays.
mkdir sub; mv z.ORB sub/
[ -z "$("$program" --eksportuj sub/z.ORB 2>&1)" ]
[ -z "$("$program" --atari sub/z.ORB 2>&1)" ]
cmp sub/z.ORB "$dane/poczatek.ORB"
[ "$(stat -c %s sub/z.ORB.FN2 sub/z.ORB.KODY sub/z.ORB.KOLORY | tr '\n' ' ')" = "2048 512 5 " ]
[ "$(head -c 2 sub/z.ORB.XEX | od -A n -t x1)" = " ff ff" ]
# Names are read as a file dialog gives them: ".." undoes the folder before it, which need not exist.
"$program" --eksportuj brak/../sub/z.ORB brak/../w
cmp w.FN2 sub/z.ORB.FN2
echo "wiersz polecen: OK"
