#!/usr/bin/env bash
# quarvel-report.exe as a user runs it, on Wine's management service: the 35-line report with
# "\r\n" line ends, then the lookup address on the retailer's host; exit status 0. Windows has no
# captured trees, so --root is a wrong command line (exit status 2). The memory amounts take the
# decimal separator of the user's regional settings (Wine takes them from LC_ALL).
# Usage: quarvel_report_exe_test.sh RUNNER PROGRAM HOST
set -uo pipefail
runner=$1 program=$2 host=$3
out=$(mktemp) err=$(mktemp) comma=$(mktemp)
trap 'rm -f "$out" "$err" "$comma"' EXIT
status=0
fail() {
    echo "FAIL: $*"
    status=1
}

LC_ALL=C.UTF-8 "$runner" "$program" >"$out" 2>"$err"
rc=$?
[ "$rc" -eq 0 ] || fail "exit status $rc: $(cat "$err")"
lines=$(grep -c $'\r$' "$out")
[ "$lines" -eq 36 ] || fail "$lines lines ending in CR LF, not 35 of report and the address"
[ "$(wc -l <"$out")" -eq "$lines" ] || fail "a line without CR LF"
head -n 1 "$out" | grep -q '^\*\*\*\*\*\*\*\*\*\*\*\*System\*\*\*\*\*\*\*\*\*\*'$'\r$' ||
    fail "the report does not start with the System heading"
address=$(tail -n 1 "$out" | tr -d '\r')
[[ "$address" == "http://$host/"*"?manufacturer="*"&site="* ]] || fail "no lookup address: $address"
grep -q '^Processor FSB: '$'\r$' "$out" || fail "the processor's missing extclock is not empty"

LC_ALL=de_DE.UTF-8 "$runner" "$program" >"$comma" 2>"$err" || fail "with a decimal comma: $(cat "$err")"
amounts='^(Installed RAM|Maximum RAM|Capacity):'
[ "$(grep -E "$amounts" "$comma")" = "$(grep -E "$amounts" "$out" | tr . ,)" ] ||
    fail "amounts with a decimal comma: $(grep -E "$amounts" "$comma")"

"$runner" "$program" --root / >/dev/null 2>"$err"
rc=$?
[ "$rc" -eq 2 ] || fail "--root gave exit status $rc, not 2"
grep -q "unknown option '--root'" "$err" || fail "--root: $(cat "$err")"

[ "$status" -eq 0 ] && echo "report of $(wc -l <"$out") lines; $address"
exit $status
