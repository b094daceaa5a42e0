#!/bin/sh
# The package's Depends covers what the editor needs on this release: dpkg-shlibdeps gives what is
# linked, the hand-written part what is loaded at run time and no linker sees. Each such file's
# own package (the platform plugin, Qt's translations, the window's fonts, the MIME database)
# must be named in one of the two, wherever this release has put the file.
# sprawdz-zaleznosci.sh PROGRAM "<hand-written Depends>" FILE...
set -eu
program=$(readlink -f "$1")
reczne=$2
shift 2

katalog=$(mktemp -d)
trap 'rm -rf "$katalog"' EXIT
mkdir "$katalog/debian"
: >"$katalog/debian/control"  # dpkg-shlibdeps wants to run in a source tree
linkowane=$(cd "$katalog" && dpkg-shlibdeps -O "$program" | sed -n 's/^shlibs:Depends=//p')
[ -n "$linkowane" ] || { echo "dpkg-shlibdeps found no libraries in $program"; exit 1; }
echo "linked: $linkowane"
echo "hand-written: $reczne"

bledy=0
for plik in "$@" "$(fc-match -f '%{file}' 'DejaVu Sans')" "$(fc-match -f '%{file}' 'DejaVu Sans Condensed')"; do
    pakiet=$(dpkg-query -S "$(readlink -f "$plik")" 2>/dev/null | head -n 1 | cut -d: -f1) || pakiet=""
    case ", $linkowane, $reczne," in
        *", $pakiet "* | *", $pakiet,"*) [ -n "$pakiet" ] && echo "$plik: $pakiet" && continue ;;
    esac
    echo "$plik: its package '${pakiet:-(none)}' is not in Depends"
    bledy=1
done
exit $bledy
