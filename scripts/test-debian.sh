#!/bin/sh
# The two README commands on a fresh Debian root: a minimal system of the given release, made
# with mmdebstrap from this machine's mirror, with nothing but make, git and certificates. In it,
# a clean clone of this repository's HEAD runs `make test` and `make package`; the built package
# is installed with apt-get, the installed program answers --version and exports a set in batch,
# and `make run` opens the window under Xvfb (a screenshot is left in build-debian/).
# scripts/test-debian.sh bookworm|trixie
set -eu
wydanie=${1:?"which release: bookworm or trixie"}
zrodla=$(cd "$(dirname "$0")/.." && pwd)
katalog="$zrodla/build-debian"
root="$katalog/$wydanie"
# The first Debian mirror that apt here uses (deb822 or one-line sources), else Debian's own.
lustro=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null | sed -n 's|^URIs: *\([^ ]*/debian\)/* *$|\1|p' | head -n 1)
[ -n "$lustro" ] || lustro=$(grep -hs '^deb ' /etc/apt/sources.list | awk '$2 ~ /\/debian\/?$/ {print $2; exit}')
lustro=${lustro:-http://deb.debian.org/debian}

if [ "$(id -u)" -ne 0 ]; then exec sudo "$0" "$@"; fi
command -v mmdebstrap >/dev/null || { apt-get update -qq; apt-get install -y -qq --no-install-recommends mmdebstrap; }

krok() { echo "== $(date +%T) $*"; }
poczatek=$(date +%s)

if findmnt -rn -o TARGET | grep -q "^$root/"; then echo "something is still mounted under $root" >&2; exit 1; fi
rm -rf "$root"
mkdir -p "$katalog"
krok "mmdebstrap $wydanie from $lustro"
mmdebstrap --quiet --variant=minbase --include=make,git,ca-certificates "$wydanie" "$root" "$lustro"
git clone --quiet --no-local "$zrodla" "$root/root/edytor-obiektow"
cp /etc/resolv.conf "$root/etc/resolv.conf"

cat >"$root/root/w-srodku.sh" <<'SKRYPT'
set -eu
export HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive
krok() { echo "== $(date +%T) $*"; }
cd /root/edytor-obiektow
krok "make test"; make test
krok "make package"; make package
krok "apt-get install the package"
apt-get install -y -qq ./build/edytor-obiektow_*_amd64.deb
dpkg-query -W -f='Depends: ${Depends}\n' edytor-obiektow
krok "the installed program"
edytor-obiektow --version
mkdir -p /tmp/eksport && cd /tmp/eksport
edytor-obiektow --eksportuj /root/edytor-obiektow/examples/przyklad.ORB przyklad
head -c 2048 /root/edytor-obiektow/examples/przyklad.ORB >oczekiwane.FN2
cmp przyklad.FN2 oczekiwane.FN2
[ "$(stat -c %s przyklad.KODY przyklad.KOLORY przyklad.TILES.BMP | tr '\n' ' ')" = "512 5 393270 " ]
krok "make run under Xvfb"
cd /root/edytor-obiektow
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    make run >/tmp/run.log 2>&1 &
    for i in $(seq 1 100); do
        if xdotool search --name "Edytor obiektów" >/dev/null 2>&1; then
            sleep 1; import -window root /tmp/okno.png; kill $!; exit 0
        fi
        sleep 0.3
    done
    cat /tmp/run.log; exit 1'
SKRYPT

krok "in the root"
unshare --mount --fork sh -c '
    set -e
    mount --make-rprivate /
    mount -t proc proc "$1/proc"
    mount --rbind /dev "$1/dev"
    mount --rbind /sys "$1/sys"
    chroot "$1" /bin/sh /root/w-srodku.sh' sh "$root"
cp "$root/tmp/okno.png" "$katalog/$wydanie-okno.png"
krok "$wydanie: passed in $(( $(date +%s) - poczatek )) s"
