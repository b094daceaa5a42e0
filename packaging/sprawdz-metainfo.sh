#!/bin/sh
# appstreamcli validate --strict, with two findings allowed and nothing else:
# - url-homepage-missing: the project has no homepage, and a made-up one would be worse;
# - unknown-tag developer: AppStream before 1.0 (Debian 12) does not know the <developer> tag
#   that 1.0 (Debian 13) asks for in place of the deprecated <developer_name>.
# sprawdz-metainfo.sh METAINFO
wynik=$(appstreamcli validate --no-net --strict "$1" 2>&1)
kod=$?
printf '%s\n' "$wynik"
[ "$kod" -eq 0 ] && exit 0
if printf '%s\n' "$wynik" | grep -E '^[EWI]: ' | grep -qvE ': (url-homepage-missing|unknown-tag developer) *$'; then
    exit 1
fi
# Failed, yet with nothing but the allowed findings (and pedantic ones, which --strict ignores).
printf '%s\n' "$wynik" | grep -qE '^[EWI]: '
