#!/bin/bash
# The Atari view of the example sets in the emulator: each set's program written by the editor
# (--atari) and checked by atari.sh against its bitmap export; then one code with bit 7 flipped,
# which the check must find. $1: the editor's executable.
sprawdz=$(realpath "$(dirname "$0")/atari.sh")
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
for zestaw in "$dane/../../examples/przyklad.ORB" "$dane/sesja.ORB" "$dane/okno.ORB" pelny.ORB; do
    "$program" --eksportuj "$zestaw" z
    [ "$zestaw" != pelny.ORB ] || cmp z.KODY <(tail -c +2049 pelny.ORB | head -c 512)   # taken as it is
    "$program" --atari "$zestaw" z.xex
    # The codes' place in the program: behind their segment's first and last address, $2800 and $29FF.
    kody=$(($(LC_ALL=C grep -obUaP '\x00\x28\xff\x29' z.xex | head -1 | cut -d: -f1) + 4))
    cmp <(tail -c +$((kody + 1)) z.xex | head -c 512) z.KODY
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
