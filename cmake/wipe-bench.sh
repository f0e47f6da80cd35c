#!/usr/bin/env bash
# WipeFile at level 50 on a large file under Wine, beside dd writing the same number of bytes
# in the same block size over a file of the same size on the same disk, both flushed to disk.
#   wipe-bench.sh [MiB]     (default 1024; WIPE_BENCH_MIB=256 make bench on a slow shared disk)
set -euo pipefail
cd "$(dirname "$0")/.."

mib=${1:-${WIPE_BENCH_MIB:-1024}}
state=build/wine-bench
exe=build/windows/bin/wipe_file_bench.exe
mkdir -p "$state"
# Under the prefix's C: drive, so both files lie on the same disk.
cmake/under-wine.sh "$state" true
drive="$state/prefix/drive_c"

out=$(cmake/under-wine.sh "$state" wine "$exe" "$mib" 'C:\wipe-bench.bin' | tr -d '\r' | grep '^bytes=')
echo "WipeFile: $out"
bytes=$(sed -E 's/.*bytes=([0-9]+).*/\1/' <<<"$out")
block=$(sed -E 's/.*block=([0-9]+).*/\1/' <<<"$out")
wipe=$(sed -E 's/.*seconds=([0-9.]+).*/\1/' <<<"$out")

target="$drive/dd-bench.bin"
dd if=/dev/zero of="$target" bs=4M count=$((mib / 4)) conv=fsync status=none
start=$(date +%s.%N)
dd if=/dev/zero of="$target" bs="$block" count="$bytes" iflag=count_bytes conv=notrunc,fsync status=none
end=$(date +%s.%N)
rm -f "$target"
ddsec=$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f", e - s }')

awk -v b="$bytes" -v w="$wipe" -v d="$ddsec" -v bs="$block" 'BEGIN {
    printf "dd:       bytes=%d block=%d seconds=%.3f\n", b, bs, d
    printf "WipeFile %.0f MB/s, dd %.0f MB/s: WipeFile runs at %.0f %% of dd\n",
           b / w / 1e6, b / d / 1e6, 100 * d / w
}'
