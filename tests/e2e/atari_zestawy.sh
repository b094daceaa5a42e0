#!/bin/bash
# The Atari view of three sets in the emulator: each exported by the editor, put into the
# program's template and checked by atari.sh; then one code with bit 7 flipped, which the check
# must find. $1: the editor's executable; $2: the template, podglad.xex of the build.
source "$(dirname "$0")/poczatek.sh"
szablon=$(realpath "$2")
sprawdz=$(dirname "$(realpath "${BASH_SOURCE[0]}")")/atari.sh
command -v atari800 >/dev/null || { echo "atari800 is not installed: the Atari check is skipped"; exit 77; }

# Until the editor writes the file itself: the export's three files into the template's first
# three segments, found by walking its headers ($FFFF, then first and last address of each).
wypelnij() {
    local poz=2 od do plik
    cp "$szablon" "$2"
    for plik in FN2 KODY KOLORY; do
        read -r od do <<<"$(od -A n -t u2 -j $poz -N 4 "$szablon")"
        [ $((do - od + 1)) = "$(stat -c %s "$1.$plik")" ] || { echo "template: segment for $plik" >&2; exit 1; }
        dd if="$1.$plik" of="$2" bs=1 seek=$((poz + 4)) conv=notrunc status=none
        [ $plik != KODY ] || kody=$((poz + 4))
        poz=$((poz + 4 + do - od + 1))
    done
}

for zestaw in "$dane/../../examples/przyklad.ORB" "$dane/sesja.ORB" "$dane/okno.ORB"; do
    "$program" --eksportuj "$zestaw" z
    wypelnij z z.xex
    "$sprawdz" z.xex z.TILES.BMP "$zestaw"
done

# Object k's top left code, the first whose character has a pixel 11: with bit 7 flipped that
# pixel shows PF3 for PF2.
for k in $(seq 0 63); do
    kod=$(od -A n -t u1 -j "$k" -N 1 z.KODY)
    for bajt in $(od -A n -t u1 -j $(((kod & 127) * 8)) -N 8 z.FN2); do
        for s in 0 2 4 6; do (( (bajt >> s & 3) == 3 )) && break 3; done
    done
done
printf "\\x$(printf %02x $((kod ^ 128)))" | dd of=z.xex bs=1 seek=$((kody + k)) conv=notrunc status=none
kod=0; "$sprawdz" z.xex z.TILES.BMP "$zestaw" 2>bledy || kod=$?
[ $kod = 1 ] && grep -q "^PAL: .* object $k, pixel" bledy || { echo "bit 7 of object $k's code: $kod $(cat bledy)" >&2; exit 1; }
echo "atari: OK"
