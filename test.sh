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

# Runs one libFuzzer target for a bounded time over its seeds and earlier findings; a crash counts
# as a failed test and its input is kept under build/fuzz/findings/ to become a regression case.
run_fuzzer() {
    local binary=build/fuzz/$1
    local target=${1##*/}
    shift
    local findings=build/fuzz/findings/$target
    local corpus
    corpus=$(mktemp -d)
    mkdir -p "$findings"
    echo "=== fuzz: $target (60 s)"
    if "$binary" -max_total_time=60 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus" "$@" >"$log" 2>&1; then
        passed=$((passed + 1))
        grep -E '^(stat::number_of_executed_units|Done )' "$log" || tail -n 2 "$log"
    else
        failed=$((failed + 1))
        tail -n 40 "$log"
        echo "fuzz: $target crashed; the input is in $findings/"
    fi
    rm -rf "$corpus"
}

build default && run_tests default
build sanitize && run_tests sanitize
if build fuzz; then
    run_fuzzer tests/inventory/fuzz/number_text_fuzzer tests/inventory/fuzz/corpus
    run_fuzzer tests/platform/linux/fuzz/smbios_table_fuzzer tests/data/smbios-dumps \
        tests/platform/linux/fuzz/regressions/smbios
    run_fuzzer tests/platform/linux/fuzz/udev_record_fuzzer tests/platform/linux/fuzz/corpus/udev \
        tests/platform/linux/fuzz/regressions/udev
fi

# Windows: the shipped 32-bit program is built and its executables checked (this machine runs no
# 32-bit code); the 64-bit build's tests run under wine64 (tools/wine-run prepares its prefix once).
build mingw-i686 && run_tests mingw-i686
build mingw-x64 && run_tests mingw-x64

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
