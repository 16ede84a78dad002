#!/usr/bin/env bash
# Checks a built Windows program: its object format (pei-i386 for 32-bit, pei-x86-64), its subsystem
# (console or GUI) and that it imports only DLLs Windows ships - no runtime of the compiler
# (libstdc++-6.dll, libgcc_s_*.dll, libwinpthread-1.dll), which a user's machine does not have.
# Usage: check_windows_executable.sh OBJDUMP PROGRAM FORMAT SUBSYSTEM
set -euo pipefail
objdump=$1 program=$2 format=$3 subsystem=$4

# The system DLLs a Windows program of this project may import.
shipped='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comctl32|comdlg32|shlwapi|uxtheme|version|msvcrt|ucrtbase|ws2_32|winmm|urlmon|api-ms-win-[a-z0-9-]+)\.dll$'

status=0
headers=$("$objdump" -p "$program")

actual_format=$(sed -nE 's/.*file format (.*)/\1/p' <<<"$headers" | head -n 1)
if [ "$actual_format" != "$format" ]; then
    echo "FAIL: $program is $actual_format, not $format"
    status=1
fi

actual_subsystem=$(sed -nE 's/^Subsystem[[:space:]]+[0-9a-f]+[[:space:]]+\((.*)\)/\1/p' <<<"$headers")
if [ "$actual_subsystem" != "$subsystem" ]; then
    echo "FAIL: $program runs in the $actual_subsystem subsystem, not $subsystem"
    status=1
fi

imports=$(sed -nE 's/^[[:space:]]*DLL Name: (.*)/\1/p' <<<"$headers" | sort -fu)
if [ -z "$imports" ]; then
    echo "FAIL: no imports found in $program"
    status=1
fi
while read -r dll; do
    if ! grep -qiE "$shipped" <<<"$dll"; then
        echo "FAIL: $program imports $dll, which Windows does not ship"
        status=1
    fi
done <<<"$imports"

echo "$program: $actual_format, $actual_subsystem, imports:" $imports
exit $status
