#!/bin/sh
# Debian's own checker on the package as `make package` builds it: no error and no warning.
# sprawdz-lintian.sh BUILD_DIR
set -eu
katalog=$(mktemp -d)
trap 'rm -rf "$katalog"' EXIT
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$katalog" >"$katalog/cpack.log" || { cat "$katalog/cpack.log"; exit 1; }
pakiet=$(ls "$katalog"/*.deb)
echo "lintian $(lintian --version | sed 's/^Lintian v//') on $(basename "$pakiet"):"
wynik=$(lintian --fail-on none "$pakiet" 2>&1) || { printf '%s\n' "$wynik"; exit 1; }
printf '%s\n' "${wynik:-(nothing reported)}"
! printf '%s\n' "$wynik" | grep -qE '^[EW]: '
