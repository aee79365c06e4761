#!/usr/bin/env bash
# Configures (once) and builds one build tree.
#   scripts/build-tree.sh NAME [CMAKE OPTIONS...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
name=$1
shift
tree=$root/build/$name
if [ ! -f "$tree/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$tree" "$@" >/dev/null
fi
cmake --build "$tree" -j "${JOBS:-2}"
