#!/usr/bin/env bash
# Everything `make test` runs, in order, with one summary line at the end.
set -uo pipefail
cd "$(dirname "$0")/.."

passed=0
failed=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT

step() {
    echo "== $1"
    shift
    if "$@" 2>&1 | tee "$log"; then status=0; else status=1; fi
    # Count what the runner reported: ctest's "out of N" or GoogleTest's summary lines.
    local p f
    if grep -q 'tests passed, ' "$log"; then
        local line; line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
        f=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
        p=$(( $(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line") - f ))
    else
        p=$(grep -E '^\[  PASSED  \] [0-9]+ test' "$log" | tail -1 | grep -oE '[0-9]+' | head -1)
        f=$(grep -E '^\[  FAILED  \] [0-9]+ test' "$log" | tail -1 | grep -oE '[0-9]+' | head -1)
    fi
    passed=$((passed + ${p:-0}))
    failed=$((failed + ${f:-0}))
    if [ "$status" != 0 ]; then
        [ "${f:-0}" = 0 ] && failed=$((failed + 1))
        echo "== $1: FAILED"
        overall=1
    fi
}

overall=0
step "native tests" ctest --preset native
step "native tests under AddressSanitizer and UndefinedBehaviorSanitizer" ctest --preset native-sanitize
# A fresh Wine prefix for every test run: no state carries over from an earlier one.
rm -rf build/wine-test
step "contract tests on Windows (Wine)" cmake/under-wine.sh build/wine-test wine build/windows/bin/contract_tests.exe
step "end-to-end tests (Wine)" cmake/under-wine.sh build/wine-test wine build/windows/bin/e2e_tests.exe

echo "test: $passed passed, $failed failed"
exit $overall
