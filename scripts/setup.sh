#!/bin/bash
# Installs what the builds and tests need, skipping what is already there.
# Only 64-bit Wine: this machine's kernel runs no 32-bit programs, and with
# wine32 present /usr/bin/wine would pick the 32-bit loader.
set -euo pipefail

packages=(
  cmake ninja-build g++ libgtest-dev libgmock-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine64 fonts-wine fonts-wqy-microhei
  xvfb imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi
