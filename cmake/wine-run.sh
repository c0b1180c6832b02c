#!/bin/bash
# Runs a Windows program of the build under 64-bit Wine, in the build's
# private prefix and, when it is up, on the session's virtual display.
# The ANSI code page follows the locale: zh_CN gives code page 936 (GBK).
#   wine-run.sh PREFIX PROGRAM [ARGS...]
set -euo pipefail
prefix=$1
shift
export WINEPREFIX=$prefix WINEDEBUG=-all
if [ -f "$prefix.session" ]; then
  # shellcheck disable=SC1091
  source "$prefix.session"
  export DISPLAY
fi
# The locale is not installed; set through env, it reaches Wine without the
# shell warning that it cannot switch to it itself.
exec env LC_ALL=zh_CN.UTF-8 wine "$@"
