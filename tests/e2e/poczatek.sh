# Sourced by the shell tests: $1 is the editor's executable; the working directory is a scratch
# folder, removed at the end.
set -euo pipefail
program=$(realpath "$1")
dane=$(realpath "$(dirname "$0")/../dane")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"
