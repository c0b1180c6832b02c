#!/bin/bash
# Sets everything up, builds the tool and runs it under 64-bit Wine (this
# machine runs no 32-bit code, so the x86-64 twin of the release stands in
# for it). On a desktop (DISPLAY set) the tool starts there, with the
# stand-in console program click.exe beside it. Without a display, a short
# scripted demonstration runs on a virtual one: two cycles of run time 3 s
# and pause time 2 s with their timeline printed as it happens, and
# pictures of the notice and of the window mid-countdown saved in demo/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/setup.sh

log=build/run-logs
mkdir -p "$log"
for preset in win64 win32; do
  echo "== build $preset"
  if ! { cmake --preset "$preset" >"$log/$preset-configure.txt" 2>&1 \
         && cmake --build --preset "$preset" -j2 >"$log/$preset-build.txt" 2>&1; }; then
    cat "$log/$preset-configure.txt" "$log/$preset-build.txt" 2>/dev/null | tail -40
    exit 1
  fi
done

tool=dist/x64/korvalis.exe
standin=build/win64/tests/e2e/click.exe
demo=build/win64/tests/e2e/korvalis_demo.exe
wine_run=cmake/wine-run.sh

if [ -n "${DISPLAY:-}" ]; then
  cp "$standin" dist/x64/click.exe
  echo "== starting $tool on display $DISPLAY (click.exe beside it)"
  exec "$wine_run" "$root/build/win64/desktop-prefix" "$tool"
fi

prefix=$root/build/win64/demo-prefix
shots=$root/demo
mkdir -p "$shots"
rm -f "$shots"/*.png
echo "== starting a virtual display and Wine (the first time takes a while)"
cmake/wine-session.sh start "$prefix" desktop
trap 'cmake/wine-session.sh stop "$prefix"' EXIT
# shellcheck disable=SC1091
source "$prefix.session"

echo "== demonstration"
export KORVALIS_E2E_TOOL="Z:$root/$tool" KORVALIS_E2E_STANDIN="Z:$root/$standin"
coproc DEMO { "$wine_run" "$prefix" "$demo" 2>&1; }
demo_pid=$DEMO_PID
# The coprocess's descriptors vanish with it; these copies outlive it.
exec {from_demo}<&"${DEMO[0]}" {to_demo}>&"${DEMO[1]}"
while IFS= read -r line <&"$from_demo"; do
  line=${line%$'\r'}
  case $line in
    "screenshot "*)
      name=${line#screenshot }
      shot=$shots/${name//[^a-z]/}.png
      import -display "$DISPLAY" -window root "$shot" || echo "no picture: import failed"
      echo "          (picture saved: $shot)"
      echo >&"$to_demo"
      ;;
    *) echo "$line" ;;
  esac
done
status=0
wait "$demo_pid" || status=$?
echo "== screenshots in $shots:"
ls "$shots"/*.png 2>/dev/null || echo "(none)"
exit "$status"
