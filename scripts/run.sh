#!/usr/bin/env bash
# The main job: the Windows program under Wine. Wine never sees a real mouse of ours,
# so VARDEX_EMULATION (set by the Makefile unless given) attaches emulated ones.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
if scripts/wine-run --can-run-32; then
  bash scripts/build-tree.sh win32 -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake" >/dev/null
  exec scripts/wine-run build/win32/tools/vardex-probe.exe "$@"
fi
bash scripts/build-tree.sh win64 -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-mingw.cmake" >/dev/null
exec scripts/wine-run build/win64/tools/vardex-probe.exe "$@"
