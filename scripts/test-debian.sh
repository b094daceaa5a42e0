#!/bin/sh
# The two README commands on a fresh Debian root: a minimal system of the given release, made
# with mmdebstrap from this machine's mirror, with nothing but make, git, certificates and the
# atari800 emulator (from contrib, enabled in that root alone). In it, a clean clone of this
# repository's HEAD runs `make test`, the Atari check in the emulator included (its screenshot is
# left in build-debian/), and `make package`; the built package
# is installed with apt-get, the installed program answers --version and exports a set in batch,
# and `make run` opens the window under Xvfb (a screenshot is left in build-debian/). Then the
# package alone goes into a second fresh root, one without the build's packages, where only its
# Depends can bring what it needs: there too it exports a set and opens its window.
# scripts/test-debian.sh bookworm|trixie
set -eu
wydanie=${1:?"which release: bookworm or trixie"}
zrodla=$(cd "$(dirname "$0")/.." && pwd)
katalog="$zrodla/build-debian"
root="$katalog/$wydanie"
czysty="$katalog/$wydanie-pakiet"
# The Debian mirror: LUSTRO=URL, else the first one that apt here uses (deb822 or one-line sources).
lustro=${LUSTRO:-$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null | sed -n 's|^URIs: *\([^ ]*/debian\)/* *$|\1|p' | head -n 1)}
[ -n "$lustro" ] || lustro=$(grep -hs '^deb ' /etc/apt/sources.list | awk '$2 ~ /\/debian\/?$/ {print $2; exit}')
if [ -z "$lustro" ]; then
    echo "apt's sources here name no Debian mirror; give one: make test-debian LUSTRO=<the mirror's URL, ending in /debian>" >&2
    exit 1
fi

if [ "$(id -u)" -ne 0 ]; then exec sudo "$0" "$@"; fi
command -v mmdebstrap >/dev/null || { apt-get update -qq; apt-get install -y -qq --no-install-recommends mmdebstrap; }

mkdir -p "$katalog"
krok() { echo "== $(date +%T) $*"; }
poczatek=$(date +%s)

# A fresh root of the release at $1, with the packages $2 from the components $3 (main by default).
nowy_root() {
    if findmnt -rn -o TARGET | grep -q "^$1/"; then echo "something is still mounted under $1" >&2; exit 1; fi
    rm -rf "$1"
    krok "mmdebstrap $wydanie ($2) from $lustro"
    mmdebstrap --quiet --variant=minbase --components="${3:-main}" --include="$2" "$wydanie" "$1" "$lustro"
    cp /etc/resolv.conf "$1/etc/resolv.conf"
}

# Runs the script $2 (sh) inside the root $1, with /proc, /dev and /sys, in a mount namespace of its own.
w_korzeniu() {
    unshare --mount --fork sh -c '
        set -e
        mount --make-rprivate /
        mount -t proc proc "$1/proc"
        mount --rbind /dev "$1/dev"
        mount --rbind /sys "$1/sys"
        chroot "$1" /bin/sh -c "$2"' sh "$1" "set -eu; export HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive; $2"
}

# The checks of the installed program: version, batch export of the example, the window under Xvfb.
zainstalowany='
edytor-obiektow --version
mkdir -p /tmp/eksport && cd /tmp/eksport
edytor-obiektow --eksportuj /root/przyklad.ORB przyklad
head -c 2048 /root/przyklad.ORB >oczekiwane.FN2
cmp przyklad.FN2 oczekiwane.FN2
[ "$(stat -c %s przyklad.KODY przyklad.KOLORY przyklad.TILES.BMP | tr "\n" " ")" = "512 5 393270 " ]'
# $1: the command that starts the window; the screenshot, where ImageMagick is there, in /tmp/okno.png.
okno='
xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
    $1 >/tmp/okno.log 2>&1 &
    for i in \$(seq 1 100); do
        if xdotool search --name \"Edytor obiektów\" >/dev/null 2>&1; then
            sleep 1; ! command -v import >/dev/null || import -window root /tmp/okno.png; kill \$!; exit 0
        fi
        sleep 0.3
    done
    cat /tmp/okno.log; exit 1"'

# contrib only in this root, for the emulator: make test then runs the Atari check too.
nowy_root "$root" make,git,ca-certificates,atari800 main,contrib
git clone --quiet --no-local "$zrodla" "$root/root/edytor-obiektow"
cp "$zrodla/examples/przyklad.ORB" "$root/root/"
krok "in the root: make test, make package, the package installed, make run"
w_korzeniu "$root" "
cd /root/edytor-obiektow
EDYTOR_ZRZUT_ATARI=/tmp/atari.png make test
make package
apt-get install -y -qq ./build/edytor-obiektow_*_amd64.deb
dpkg-query -W -f='Depends: \${Depends}\n' edytor-obiektow
$zainstalowany
cd /root/edytor-obiektow
set -- 'make run'
$okno"
cp "$root/tmp/okno.png" "$katalog/$wydanie-okno.png"
cp "$root/tmp/atari.png" "$katalog/$wydanie-atari.png"  # missing, and so a failure, where the Atari check did not run

nowy_root "$czysty" xvfb,xauth,xdotool
cp "$root"/root/edytor-obiektow/build/edytor-obiektow_*_amd64.deb "$root/root/przyklad.ORB" "$czysty/root/"
krok "in a second root: the package alone"
w_korzeniu "$czysty" "
apt-get update -qq
apt-get install -y -qq --no-install-recommends /root/edytor-obiektow_*_amd64.deb >/dev/null
$zainstalowany
set -- edytor-obiektow
$okno"
krok "$wydanie: passed in $(( $(date +%s) - poczatek )) s"
