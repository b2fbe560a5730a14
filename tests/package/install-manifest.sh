#!/usr/bin/env bash
# Installs a build (cmake --install) under a prefix, and under DESTDIR with the prefix /usr, then
# removes every file that install_manifest.txt lists: no file is left behind.
# Usage: install-manifest.sh <build folder>
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
while read -r prefix destdir; do
  DESTDIR=$destdir cmake --install "$1" --prefix "$prefix" > /dev/null
  # The list names the files as under DESTDIR; none lies outside the test's folder.
  sed "s|^|$destdir|" "$1/install_manifest.txt" | grep "^$work/" | xargs -d '\n' rm --
  left=$(find "$work" -not -type d)
  [ -z "$left" ] || { echo "install_manifest.txt does not list: $left"; exit 1; }
done << CASES
$work/prefix
/usr $work/root
CASES
