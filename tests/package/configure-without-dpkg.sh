#!/usr/bin/env bash
# Configures the project in a folder of its own with a PATH that holds every program of the
# machine's PATH but dpkg's tools: the configure succeeds, and the packages are of the compiler's
# target's architecture (in a native build, this machine's).
# Usage: configure-without-dpkg.sh <source folder>
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
IFS=: read -ra folders <<< "$PATH"
for folder in "${folders[@]}"; do ln -s "$folder"/* "$work/bin" 2> /dev/null || true; done
rm "$work/bin"/dpkg*
PATH=$work/bin cmake -S "$1" -B "$work/build" -G Ninja > "$work/log" 2>&1 || { cat "$work/log"; exit 1; }
grep -x "set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE \"$(dpkg --print-architecture)\")" \
  "$work/build/CPackConfig.cmake"
