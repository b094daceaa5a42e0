#!/bin/sh
# Installs the Debian packages the editor and its tests need, only those that are missing.
set -eu

pakiety="cmake ninja-build g++ qt6-base-dev qt6-translations-l10n fonts-dejavu-core fonts-dejavu-extra
xvfb xauth x11-utils imagemagick xdotool desktop-file-utils appstream
libbenchmark-dev libxcb-damage0-dev clang libclang-rt-dev dpkg-dev lintian
shared-mime-info xdg-utils libfile-mimeinfo-perl libglib2.0-bin qt6-gtk-platformtheme cc65 xa65"

brakujace=""
for p in $pakiety; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        brakujace="$brakujace $p"
    fi
done

[ -z "$brakujace" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$brakujace"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $brakujace
