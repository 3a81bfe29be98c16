#!/usr/bin/env bash
# startup_bench.sh: the game's start-up against the bare Qt window, interleaved in one run, on
# a small screen (the game opens at scale 1) and a large one (it opens at 1.75), each start
# with fresh settings. Prints each program's medians and the ratio to the floor's; several builds
# of the game (before and after a change, say) are measured in the same run.
#   bench/startup_bench.sh [RUNS] [VARN...]
# Needs ../shared/tools/gui-bench and the floor built in build/floor (see its README).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
shift || true
builds=("${@:-build/release/window/varn}")
bench=../shared/tools/gui-bench
floor=$PWD/build/floor/qtfloor
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# measure SCREEN LABEL NAME COMMAND...: one start, its figures appended to LABEL's file. The
# pause lets the last start's processes and X server wind down first: starts that overlap it
# take a fifth longer, now and then, whichever program they are.
measure() {
    local screen=$1 label=$2 name=$3
    shift 3
    sleep 1
    "$bench" --runs 1 --screen "$screen" --name "$name" --idle 2 --settle 1 \
        --env SDL_AUDIODRIVER=dummy -- "$@" | grep '^run=' >>"$scratch/$label"
}

for screen in 640x480x24 1280x1024x24; do
    for ((i = 0; i < runs; ++i)); do
        measure "$screen" "floor-$screen" 'Floor Qt' "$floor"
        for ((b = 0; b < ${#builds[@]}; ++b)); do
            measure "$screen" "varn$b-$screen" 'Varn' "$(realpath "${builds[b]}")"
        done
    done
done

median() {  # FILE FIELD
    grep -o "$2=[0-9.]*" "$1" | cut -d= -f2 | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}
for screen in 640x480x24 1280x1024x24; do
    f=$(median "$scratch/floor-$screen" startup_ms)
    fp=$(median "$scratch/floor-$screen" pss_kib)
    for ((b = 0; b < ${#builds[@]}; ++b)); do
        v=$(median "$scratch/varn$b-$screen" startup_ms)
        vp=$(median "$scratch/varn$b-$screen" pss_kib)
        vc=$(median "$scratch/varn$b-$screen" idle_cpu_pct)
        awk -v s="$screen" -v b="${builds[b]}" -v f="$f" -v v="$v" -v fp="$fp" -v vp="$vp" -v vc="$vc" 'BEGIN {
            printf "%-13s floor %6.1f ms %6.1f MiB   %s %6.1f ms %6.1f MiB (%+.1f MiB)   %.2fx   idle cpu %s %%\n",
                s, f, fp / 1024, b, v, vp / 1024, (vp - fp) / 1024, v / f, vc }'
    done
done
