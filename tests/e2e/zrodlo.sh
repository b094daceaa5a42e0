#!/bin/bash
# The source export built by the real tools: two sets' files (one named with a space, a dash and
# a leading digit, its set with a colon, which xa reads even in a comment) in one program of the
# test's own, each label's bytes against the set file, the character sets on a 1 KB boundary.
# $1: the editor's executable; the rest: the languages.
source "$(dirname "$0")/poczatek.sh"
shift
if [ "$*" = mads ] && ! command -v mads >/dev/null; then
    echo "mads is not on the PATH: the MADS source is not checked (skipped)"; exit 77
fi
cp "$dane/../../examples/przyklad.ORB" a.ORB
cp "$dane/okno.ORB" b:.ORB  # in the "JGP" layout
czesci="znaki0:1024 znaki1:1024 kody:256 negatywy:256 kolory:5"

# $1: the program's bytes from $2010 on; the file etykiety: its labels, a name and a hex address a line.
sprawdz() {
    for zestaw in a.ORB=a b:.ORB=_2_gra_b; do
        local od=0 adres
        for czesc in $czesci; do
            adres=$((0x$(awk -v n="${zestaw#*=}_${czesc%:*}" 'tolower($1) == n { print $2 }' etykiety)))
            [[ $czesc != znaki* ]] || ((adres % 1024 == 0)) || { echo "$jezyk: $zestaw $czesc at $adres" >&2; exit 1; }
            cmp <(tail -c +$((adres - 0x2010 + 1)) "$1" | head -c ${czesc#*:}) <(tail -c +$((od + 1)) ${zestaw%=*} | head -c ${czesc#*:})
            od=$((od + ${czesc#*:}))
        done
    done
}
# A tool's messages: none.
cicho() { "$@" >wyjscie 2>&1 && [ ! -s wyjscie ] || { echo "$*: $(cat wyjscie)" >&2; exit 1; }; }

# Refused as the batch export refuses (the path of its first file aside), and as the Atari program
# refuses the set file itself.
mkdir folder; mkfifo fifo; head -c 2048 a.ORB >znaki.FN2
for zle in "--eksportuj brak.ORB" "--eksportuj znaki.FN2" "--eksportuj fifo" "--eksportuj a.ORB brak/X" \
    "--eksportuj a.ORB folder" "--atari a.ORB a.ORB" "--atari a.ORB fifo"; do
    read -r opcja reszta <<<"$zle"
    kod=0; "$program" $opcja $reszta 2>oczekiwane || kod=$?
    kod2=0; "$program" --zrodlo ${1:-c} $reszta 2>bledy || kod2=$?
    [ $kod = $kod2 ] && [ $kod != 0 ] && diff <(sed 2d oczekiwane) <(sed 2d bledy) || { echo "$zle: $kod2" >&2; exit 1; }
done
cmp a.ORB "$dane/../../examples/przyklad.ORB"
mkdir sub

for jezyk in "$@"; do
    case $jezyk in mads) k=asm ;; ca65) k=s ;; xa) k=a65 ;; c) k=c ;; esac
    "$program" --zrodlo $jezyk a.ORB
    "$program" --zrodlo $jezyk b:.ORB "2 gra-b.v1.$k"
    "$program" --zrodlo $jezyk "$PWD/a.ORB" sub/a.ORB.$k
    cmp a.ORB.$k sub/a.ORB.$k  # no path in it
    # The comments: the layout, the objects of a character, the codes of an object.
    b='$' && [ $jezyk != c ] || b=0x
    while IFS='|' read -r plik wzor; do
        grep -q "$wzor" "$plik" || { echo "$plik: no $wzor" >&2; exit 1; }
    done <<KONIEC
a.ORB.$k|zestaw a.ORB, układ Vendra
2 gra-b.v1.$k|zestaw b?.ORB, układ JGP
a.ORB.$k|znak 4 - obiekt 4 lewy górny w negatywie$
2 gra-b.v1.$k|znak 3 - obiekt 1 prawy dolny$
a.ORB.$k|obiekt  5  ${b}85 ${b}05 ${b}C5 ${b}45$
KONIEC
    case $jezyk in
    mads)
        printf '\topt h-f+\n\torg $2010\n\tdta 1\n\ticl "a.ORB.asm"\n\ticl "2 gra-b.v1.asm"\n' >p.asm
        cicho mads p.asm -o:p.bin -t:p.lab -s
        awk 'NR > 3 { print tolower($3), $2 }' p.lab >etykiety ;;
    xa)
        printf '\t*=$2010\n\t.byt 1\n#include "a.ORB.a65"\n#include "2 gra-b.v1.a65"\n' >p.a65
        cicho xa -o p.bin -l p.lab p.a65
        sed 's/, 0x/ /; s/,.*//' p.lab >etykiety ;;
    ca65 | c)
        # Linked from $2010 with the segment line that the file's comment gives.
        printf 'MEMORY { MAIN: start = $2010, size = $8000, file = %%O; }\nSEGMENTS {\n CODE: load = MAIN, type = ro;\n RODATA: load = MAIN, type = ro;\n %s\n}\n' \
            "$(grep -o 'ZNAKI:.*;' a.ORB.$k)" >p.cfg
        printf '\t.byte 1\n' >p.s
        cicho ca65 p.s
        for plik in a.ORB "2 gra-b.v1"; do
            [ $jezyk = ca65 ] || cicho cc65 -t atari -o "$plik.s" "$plik.c"
            cicho ca65 -t atari -o "$plik.o" "$plik.s"
        done
        cicho ld65 -C p.cfg -o p.bin -Ln p.lab p.o a.ORB.o "2 gra-b.v1.o"
        awk -v c=${jezyk/ca65/} '{ sub(c ? "^[.]_" : "^[.]", "", $3); print $3, $2 }' p.lab >etykiety ;;
    esac
    sprawdz p.bin
    [ $jezyk = c ] || continue
    # The host's C compiler: a program that writes out every label's bytes.
    {
        echo "#include <stdio.h>"
        for p in a _2_gra_b; do for c in $czesci; do echo "extern const unsigned char ${p}_${c%:*}[${c#*:}];"; done; done
        echo "int main(void) {"
        for p in a _2_gra_b; do for c in $czesci; do echo "fwrite(${p}_${c%:*}, 1, ${c#*:}, stdout);"; done; done
        echo "return 0; }"
    } >p.c
    cicho cc -std=c99 -Wall -Wextra -Wpedantic -o p p.c a.ORB.c "2 gra-b.v1.c"
    ./p | cmp - <(head -c 2565 a.ORB; head -c 2565 b:.ORB)
done
echo "zrodlo $*: OK"
