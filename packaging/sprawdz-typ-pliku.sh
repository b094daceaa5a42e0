#!/bin/sh
# Installs the build into a scratch prefix and asks Debian's own tools, as a file manager would,
# what a file x.ORB is and what opens it. $1: build folder, $2: the type, $3: the launcher entry.
set -eu
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_DATA_HOME="$tmp/dom" XDG_DATA_DIRS="$tmp/usr/share" XDG_CONFIG_HOME="$tmp/konfiguracja" XDG_CURRENT_DESKTOP=X-Generic
cmake --install "$1" --prefix "$tmp/usr" >/dev/null
update-mime-database "$tmp/usr/share/mime"
update-desktop-database "$tmp/usr/share/applications"
touch "$tmp/x.ORB" "$tmp/y.orb"
for plik in x.ORB y.orb; do
    typ=$(xdg-mime query filetype "$tmp/$plik")
    [ "$typ" = "$2" ] || { echo "$plik: $typ, not $2" >&2; exit 1; }
done
program=$(xdg-mime query default "$2")
[ "$program" = "$3" ] || { echo "$2 opens \"$program\", not $3" >&2; exit 1; }
# GLib's desktops (GNOME's file manager) drop an entry whose TryExec is not a program on PATH.
PATH="$tmp/usr/bin:$PATH" gio mime "$2" | grep -q "^Default application for .*: $3\$" \
    || { echo "gio: no default application for $2" >&2; exit 1; }
