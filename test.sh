#!/usr/bin/env bash
# Installs what is missing, builds every target and runs every test; the last line sums them up.
set -uo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh || { echo "could not install the packages the tests need"; exit 1; }

passed=0
failed=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# Runs one ctest preset and adds its counts to the totals.
run_tests() {
    local preset=$1
    echo "=== tests: $preset"
    ctest --preset "$preset" 2>&1 | tee "$log"
    local line total bad
    line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$line" ]; then
        failed=$((failed + 1))
        echo "ctest $preset ran no test"
        return
    fi
    bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}

# Configures and builds one preset; a build that fails counts as one failed test.
build() {
    local preset=$1
    echo "=== build: $preset"
    if cmake --preset "$preset" && cmake --build --preset "$preset"; then
        return 0
    fi
    failed=$((failed + 1))
    return 1
}

build default && run_tests default
build sanitize && run_tests sanitize

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
