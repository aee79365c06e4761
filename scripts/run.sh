#!/usr/bin/env bash
# The main job: Vardex.exe under Wine on the emulated mouse (VARDEX_EMULATION, set by
# the Makefile unless given). With a display the window stays open for the user.
# Without one, a tour in a virtual display: the no-mouse view, the loading view, the
# main page and a question of the skinned dialog, each saved as a PNG screenshot.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
tree=win64
toolchain=toolchain-x86_64-mingw.cmake
if scripts/wine-run --can-run-32; then
  tree=win32
  toolchain=toolchain-i686-mingw.cmake
fi
bash scripts/build-tree.sh $tree -DCMAKE_BUILD_TYPE=Debug -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" >/dev/null
exe=build/$tree/deliverables/Vardex/Vardex.exe
pilot=build/$tree/tools/vardex-pilot.exe

if [ -n "${DISPLAY:-}" ] && [ -z "${VARDEX_TOUR:-}" ]; then
  exec scripts/wine-run "$exe" "$@"
fi

shots=$root/build/screenshots
mkdir -p "$shots"
export VARDEX_WINEPREFIX=$root/build/wineprefix SHOTS=$shots EXE=$exe PILOT=$pilot
xvfb-run -a -s "-screen 0 1024x768x24" bash -euo pipefail -c '
scripts/wine-run --start
trap "scripts/wine-run --stop" EXIT
shot() { sleep 0.5; import -window root "$SHOTS/$1.png"; echo "  $SHOTS/$1.png"; }
pilot() { scripts/wine-run "$PILOT" "$@"; }
echo "Screenshots:"
# No mouse of ours attached (release 1505 is not one the program takes).
VARDEX_EMULATION=1505 scripts/wine-run "$EXE" & first=$!
pilot wait 369 81 20000 && shot no-mouse-view
pilot command 1005
wait $first
# The emulated mouse: the loading view, then the main page.
VARDEX_EMULATION=${VARDEX_EMULATION:-1503} scripts/wine-run "$EXE" & second=$!
pilot wait 369 81 20000 && shot loading-view
pilot wait 801 581 60000 && shot main-page
pilot command 1201 && shot main-page-profile-2
pilot command 1006 && pilot wait-dialog 10000 && shot reset-question
pilot close dialog
pilot close
wait $second
'
