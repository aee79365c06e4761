#!/usr/bin/env bash
# Every test of the project: the native tests, the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, and the Windows tests under Wine in a virtual display.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/setup.sh
build=scripts/build-tree.sh
mingw64=-DCMAKE_TOOLCHAIN_FILE=$root/cmake/toolchain-x86_64-mingw.cmake
mingw32=-DCMAKE_TOOLCHAIN_FILE=$root/cmake/toolchain-i686-mingw.cmake

echo "== native tests"
bash $build native -DCMAKE_BUILD_TYPE=Debug
(cd build/native && ctest --output-on-failure)

echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
bash $build asan -DCMAKE_BUILD_TYPE=Debug -DVARDEX_SANITIZE=ON
(cd build/asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure)

echo "== Windows builds: 32-bit (the shipped programs) and 64-bit"
bash $build win32 -DCMAKE_BUILD_TYPE=Release "$mingw32"
bash $build win64 -DCMAKE_BUILD_TYPE=Debug "$mingw64"

echo "== Windows tests under Wine"
export VARDEX_WINEPREFIX=$root/build/wineprefix
# The wine server and its desktop start inside the virtual display, so that the
# programs under test can create windows and show message boxes.
xvfb-run -a bash -euo pipefail -c '
scripts/wine-run --start
trap "scripts/wine-run --stop" EXIT
if scripts/wine-run --can-run-32; then
  (cd build/win32 && ctest --output-on-failure)
else
  echo "(this machine cannot start 32-bit programs; the 64-bit tree tests the same sources)"
fi
(cd build/win64 && ctest --output-on-failure)
'
