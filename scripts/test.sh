#!/bin/bash
# Sets everything up and runs every test: the native build, the native
# build under sanitizers, and the x86-64 Windows twin under Wine. The
# 32-bit release build is compiled and its test exe inspected (this
# machine cannot start 32-bit programs). Ends with "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1

passed=0
failed=0
log=build/test-logs
mkdir -p "$log"

# Adds the counts of one ctest run (its summary line) to the totals.
count_ctest() {
  local line total fails
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$1" | tail -1)
  if [ -z "$line" ]; then
    failed=$((failed + 1))
    return
  fi
  fails=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + total - fails))
  failed=$((failed + fails))
}

# Counts one check that is not a ctest run.
count_check() {
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
}

for preset in linux linux-asan win64 win32; do
  echo "== build $preset"
  if ! { cmake --preset "$preset" >"$log/$preset-configure.txt" 2>&1 \
         && cmake --build --preset "$preset" >"$log/$preset-build.txt" 2>&1; }; then
    cat "$log/$preset-configure.txt" "$log/$preset-build.txt" 2>/dev/null | tail -40
    failed=$((failed + 1))
    continue
  fi
  if [ "$preset" = win32 ]; then
    echo "== check the 32-bit test exe and the release exe"
    count_check bash scripts/check-pe.sh build/win32/tests/unit_tests.exe i386
    count_check bash scripts/check-pe.sh dist/korvalis.exe i386 --gui
  else
    echo "== test $preset"
    ctest --preset "$preset" 2>&1 | tee "$log/$preset-test.txt" | grep -E 'tests passed|\*\*\*'
    count_ctest "$log/$preset-test.txt"
  fi
  if [ "$preset" = win64 ]; then
    echo "== check the x86-64 twin exe"
    count_check bash scripts/check-pe.sh dist/x64/korvalis.exe x86-64 --gui
  fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
