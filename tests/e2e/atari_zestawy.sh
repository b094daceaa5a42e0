#!/bin/bash
# The Atari view of the example sets in the emulator: each set's program written by the editor
# (--atari) and checked by atari.sh against its bitmap export, on the 800XL, the 130XE and the
# 800, PAL and NTSC, once with BASIC; the last set behind a DOS of the test's own (atari_dos.s)
# that hands over as a real DOS may, then Esc back to it, and behind one that needs memory up to
# $2A80. Then one code with bit 7 flipped, which the check must find. $1: the editor's executable.
sprawdz=$(realpath "$(dirname "$0")/atari.sh") dos=$(realpath "$(dirname "$0")/atari_dos.s")
source "$(dirname "$0")/poczatek.sh"
command -v atari800 >/dev/null || { echo "atari800 is not installed: the Atari check is skipped"; exit 77; }

# A set with every object different, which those sets have not: characters of pseudo-random
# bytes, the "Vendra" layout (object i: characters i and i + 64 of each set), bit 7 set in
# every other code; other colour numbers, odd ones among them, and other screen colours (the
# sets above share PF2's and PF3's).
x=1 bajty=""
for _ in $(seq 2048); do x=$(((x * 1103515245 + 12345) & 0x7FFFFFFF)); printf -v b '\\x%02x' $((x >> 16 & 255)); bajty+=$b; done
for odwrotny in 0 128; do
    for p in 0 1 2 3; do
        for i in $(seq 0 63); do printf -v b '\\x%02x' $(((i + p / 2 * 64) | ((i + p) % 2 * 128 ^ odwrotny))); bajty+=$b; done
    done
done
printf "$bajty"'\x0f\x33\xc5\x77\xf3\x10\x20\x30\x40\x50\x60\x70\x80\x90\xa0\xb0\xc0\xd0\xe0\xf0' >pelny.ORB

# The set $1's program, its codes where the editor put them, behind the file $przod if one is
# named, in the emulator as the runs $2...
atari() {
    "$program" --eksportuj "$1" z
    "$program" --atari "$1" z.xex
    # The codes' place in the program: behind their segment's first and last address, $2800 and $29FF.
    kody=$(($(LC_ALL=C grep -obUaP '\x00\x28\xff\x29' z.xex | head -1 | cut -d: -f1) + 4))
    cmp <(tail -c +$((kody + 1)) z.xex | head -c 512) z.KODY
    cat ${przod:+"$przod"} z.xex >p.xex
    "$sprawdz" p.xex z.TILES.BMP "$@"
}
# The DOS in front, PF0's and the background's numbers of pelny.ORB its colours.
dos() { ca65 -D POLE=15 -D TLO=243 "$@" -o dos.o "$dos" && ld65 -t none -o dos.xex dos.o; }
przod=""
atari "$dane/../../examples/przyklad.ORB" -pal -ntsc
atari "$dane/sesja.ORB" "-xe -pal" "-xe -ntsc"
atari "$dane/okno.ORB" "-atari -800-rev altirra -pal" "-atari -800-rev altirra -ntsc -basic"
przod=dos.xex; dos
atari pelny.ORB "-pal +esc" -ntsc
cmp z.KODY <(tail -c +2049 pelny.ORB | head -c 512)   # taken as it is
printf 'Program wczytuje sie od $2000, a DOS zostawia wolna pamiec od $2A80 (MEMLO): zmniejsz liczbe jego buforow.\x9b' >tekst.bin
dos -D 'MEMLO_DOS=$2A80'
cat dos.xex z.xex >p.xex
"$sprawdz" p.xex z.TILES.BMP pelny.ORB "-pal +memlo"

# Object k's top left code, the first whose character has a pixel 11: with bit 7 flipped that
# pixel shows PF3 for PF2.
for k in $(seq 0 63); do
    kod=$(od -A n -t u1 -j "$k" -N 1 z.KODY)
    for bajt in $(od -A n -t u1 -j $(((kod & 127) * 8)) -N 8 z.FN2); do
        for s in 0 2 4 6; do (( (bajt >> s & 3) == 3 )) && break 3; done
    done
done
printf "\\x$(printf %02x $((kod ^ 128)))" | dd of=z.xex bs=1 seek=$((kody + k)) conv=notrunc status=none
kod=0; "$sprawdz" z.xex z.TILES.BMP pelny.ORB -pal 2>bledy || kod=$?
[ $kod = 1 ] && grep -q "^PAL: .* object $k, pixel" bledy || { echo "bit 7 of object $k's code: $kod $(cat bledy)" >&2; exit 1; }
echo "atari: OK"
