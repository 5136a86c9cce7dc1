#!/usr/bin/env bash
# Speed and memory figures, medians of RUNS runs (default 5):
#
#   scripts/bench.sh                      builds build-rel (Release) and measures it
#   scripts/bench.sh BUILD                measures an existing build tree
#   scripts/bench.sh OLD_BUILD NEW_BUILD  measures both, alternating runs, side by side
#
# RUNS sets the runs per figure; MIN_TIME the seconds each benchmark runs
# for at least (default 0.5).
#
# Reading, writing, detection and saving in MB/s or ms come from the
# benchmarks, per CPU time, so other load on the machine counts less; the
# whole-process figures are the wall time of corvid-cli on the large files
# the benchmarks build (bench_files), with peak memory from /usr/bin/time.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${RUNS:-5}
targets=(corvid-cli bench_canopen bench_devicenet bench_ethernetip bench_pages bench_files)
if [ $# -eq 0 ]; then
    cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVID_BUILD_BENCH=ON >/dev/null
    cmake --build build-rel --target "${targets[@]}" >/dev/null
    set -- build-rel
fi
builds=("$@")
for build in "${builds[@]}"; do
    [ -x "$build/bin/corvid-cli" ] || { echo "bench.sh: no corvid-cli in $build/bin" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
files="$work/files"
mkdir -p "$files"
"${builds[-1]}/bin/bench_files" "$files"

# One sample per line of "$work/<build index>/<figure>"; "MBps" in a
# figure's name is shown as MB/s.
record() { echo "$3" >>"$work/$1/$2"; }

# Google Benchmark's CSV: name,iterations,real_time,cpu_time,time_unit,bytes_per_second,...
run_benchmarks() {
    local index=$1 bin=$2
    [ -x "$bin" ] || return 0
    "$bin" --benchmark_format=csv --benchmark_min_time="${MIN_TIME:-0.5}" 2>/dev/null | awk -F, -v out="$work/$index" '
        NR > 1 && $1 ~ /^"?BM_/ {
            name = $1; gsub(/"/, "", name)
            if ($6 != "") printf "%.1f\n", $6 / 1e6 >> (out "/" name " MBps")
            else printf "%.2f\n", $4 >> (out "/" name " " $5 " CPU")
        }'
}

# Wall and CPU (user and system) time in ms and peak memory in MB of one
# corvid-cli run; on a loaded machine the CPU time is the steadier figure.
run_cli() {
    local index=$1 build=$2 name=$3
    shift 3
    local start end cpu
    start=$(date +%s%N)
    cpu=$({
        TIMEFORMAT='%3U %3S'
        time /usr/bin/time -f %M -o "$work/rss" "$build/bin/corvid-cli" "$@" >/dev/null 2>&1
    } 2>&1)
    end=$(date +%s%N)
    record "$index" "$name ms" "$(awk -v d=$((end - start)) 'BEGIN { printf "%.1f", d / 1e6 }')"
    record "$index" "$name ms CPU" "$(awk '{ printf "%.1f", ($1 + $2) * 1000 }' <<<"$cpu")"
    record "$index" "$name peak MB" "$(awk '{ printf "%.1f", $1 / 1024 }' "$work/rss")"
}

run_processes() {
    local index=$1 build=$2 kind
    for kind in canopen devicenet ethernetip; do
        run_cli "$index" "$build" "kind $kind" kind "$files/$kind.eds"
        run_cli "$index" "$build" "resave $kind" resave "$files/$kind.eds" "$work/out.eds"
        run_cli "$index" "$build" "dump $kind" dump "$files/$kind.eds"
    done
    run_cli "$index" "$build" "edit canopen (kept, one --set)" edit "$files/canopen.eds" \
        "$work/out.eds" --set "ManufacturerObjects:29C4sub1:Default Value=0x1234"
    run_cli "$index" "$build" "edit devicenet (kept, one --set)" edit "$files/devicenet.eds" \
        "$work/out.eds" --set "Params:Param2500:Default=200"
    run_cli "$index" "$build" "edit ethernetip (kept, one --set)" edit "$files/ethernetip.eds" \
        "$work/out.eds" --set "Params:Param2500:Default=200"
}

for index in "${!builds[@]}"; do mkdir -p "$work/$index"; done
for ((run = 1; run <= runs; ++run)); do
    echo "run $run of $runs" >&2
    for index in "${!builds[@]}"; do
        build=${builds[$index]}
        for bench in canopen devicenet ethernetip pages; do
            run_benchmarks "$index" "$build/bin/bench_$bench"
        done
        run_processes "$index" "$build"
    done
done

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print NR ? (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) : "-" }'; }

{
    printf "| %s |" "what"
    for build in "${builds[@]}"; do printf " %s |" "$build"; done
    printf "\n|---|"
    for build in "${builds[@]}"; do printf -- "---|"; done
    printf "\n"
    for kind in canopen devicenet ethernetip; do
        printf "| file %s.eds (MB) | %s |\n" "$kind" \
            "$(awk '{ printf "%.2f", $1 / 1e6 }' <<<"$(stat -c %s "$files/$kind.eds")")"
    done
    for index in "${!builds[@]}"; do ls "$work/$index"; done | sort -u | while read -r figure; do
        printf "| %s |" "${figure/MBps/MB/s}"
        for index in "${!builds[@]}"; do
            if [ -f "$work/$index/$figure" ]; then
                printf " %s |" "$(median "$work/$index/$figure")"
            else
                printf " - |"
            fi
        done
        printf "\n"
    done
}
echo "medians of $runs runs on $(nproc) cores, $(uname -m)" >&2
