#!/usr/bin/env bash
# Measures the Linux scan: Google Benchmark of a full scan of captured machines, then the whole
# quarvel-report process against dmidecode decoding the same table (hyperfine).
#   bench/run.sh [DUMP...]   by default the smallest and the largest of the captured tables
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -eq 0 ]; then
    set -- tests/data/smbios-dumps/Asus-UX307LA.bin tests/data/smbios-dumps/VMWare.bin
fi

cmake --preset default >/dev/null
cmake --build --preset default --target scan_benchmark quarvel-report >/dev/null
build/default/bench/scan_benchmark

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
for dump in "$@"; do
    rm -rf "${root:?}"/*
    mkdir -p "$root/sys/firmware/dmi/tables" "$root/proc"
    entry_length_at=5
    [ "$(head -c 5 "$dump")" = "_SM3_" ] && entry_length_at=6
    entry_length=$(od -An -tu1 -j "$entry_length_at" -N1 "$dump" | tr -d ' ')
    head -c "$entry_length" "$dump" >"$root/sys/firmware/dmi/tables/smbios_entry_point"
    tail -c +33 "$dump" >"$root/sys/firmware/dmi/tables/DMI"
    cp /proc/meminfo /proc/cpuinfo "$root/proc/"

    hyperfine -N --warmup 50 --runs 1000 \
        "build/default/app/quarvel-report --root $root" \
        "dmidecode --from-dump $dump -t 0,1,2,4,16,17"
done
