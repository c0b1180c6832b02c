#!/bin/bash
# Starts or stops the private Wine session of one build tree: a virtual
# display, and a 64-bit Wine prefix booted on it. Wine's desktop process
# picks its display driver once, when the prefix's server comes up, so the
# display must exist before the first Wine process of the prefix.
# With "desktop", made for pictures of the screen, the prefix's windows
# appear inside a virtual desktop that Wine draws itself, frames included
# (a bare virtual display has no window manager to draw them), and Chinese
# captions get a font that has their characters.
#   wine-session.sh start PREFIX [desktop] | stop PREFIX
set -euo pipefail
action=$1
prefix=$2
mode=${3:-}
state=$prefix.session

stop_session() {
  if [ -f "$state" ]; then
    # shellcheck disable=SC1090
    source "$state"
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    kill "$XVFB_PID" 2>/dev/null || true
    rm -f "$state"
  fi
}

start_display() {
  local numfile
  numfile=$(mktemp)
  # -displayfd makes Xvfb choose a free display number and report it.
  setsid Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp \
    3>"$numfile" </dev/null >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$numfile" ] && break
    sleep 0.1
  done
  DISPLAY=:$(tr -d '\n' <"$numfile")
  rm -f "$numfile"
  [ "$DISPLAY" != ":" ] || { echo "Xvfb did not start" >&2; exit 1; }
}

set_registry() {
  wine reg add "$1" /v "$2" /d "$3" /f </dev/null >/dev/null 2>&1 \
    || { echo "cannot set $1\\$2" >&2; exit 1; }
}

prepare_for_pictures() {
  set_registry 'HKCU\Software\Wine\Explorer' Desktop Default
  set_registry 'HKCU\Software\Wine\Explorer\Desktops' Default 800x600
  # Under code page 936 captions and message boxes ask for SimSun, which
  # is not installed; without a stand-in their Chinese shows as boxes.
  set_registry 'HKCU\Software\Wine\Fonts\Replacements' SimSun 'WenQuanYi Micro Hei'
  set_registry 'HKCU\Software\Wine\Fonts\Replacements' NSimSun 'WenQuanYi Micro Hei'
  # This Wine does not look in its own font folder: without Marlett the
  # caption buttons show letters instead of their symbols.
  ln -sf /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
}

require_wine() {
  local tool
  for tool in wine wineboot wineserver; do
    command -v "$tool" >/dev/null || { echo "$tool not found: install wine and wine64" >&2; exit 1; }
  done
}

case $action in
  start)
    require_wine
    stop_session
    mkdir -p "$(dirname "$prefix")"
    start_display
    printf 'DISPLAY=%s\nXVFB_PID=%s\n' "$DISPLAY" "$XVFB_PID" >"$state"
    export DISPLAY WINEPREFIX=$prefix WINEDEBUG=-all
    if [ ! -f "$prefix/system.reg" ]; then
      wineboot -i </dev/null >/dev/null 2>&1
      # Without a window manager Wine waits up to 2 s at every hide or
      # destroy of a top-level window unless its windows are unmanaged.
      set_registry 'HKCU\Software\Wine\X11 Driver' Managed N
      if [ "$mode" = desktop ]; then prepare_for_pictures; fi
      # Settings read when the server comes up take effect with the next.
      wineserver -w
    fi
    # A persistent server spares every test the start-up of a new one; it
    # is ready when the command returns.
    setsid wineserver -p </dev/null >/dev/null 2>&1
    # The prefix's services start with the first Wine program and live as
    # long as the server. Started here, they hold no test's output open (a
    # test runner waits for its test's output to close).
    wineboot </dev/null >/dev/null 2>&1
    ;;
  stop)
    stop_session
    ;;
  *)
    echo "usage: $0 start PREFIX [desktop] | stop PREFIX" >&2
    exit 2
    ;;
esac
