#!/usr/bin/env bash
# startup_bench.sh: the game's start-up against the bare Qt window, interleaved in one run, on
# screens from small (the game opens at scale 1) to 3840 by 2160 (it opens at 3.75), each start
# with fresh settings and cache. A screen written WxHxD+full has the game fill it, as full screen
# does (the private X server has no window manager to make a window full screen). Prints each
# program's medians and the ratio to the floor's; several builds of the game (before and after a
# change, say) are measured in the same run. PSS counts half of a window's pixels, which it
# shares with the X server: "same size" takes off what the game's larger window pays for that
# over the floor's, as a bare Qt window of the game's size would. On a +full screen a second
# floor, the bare Qt window filling the screen (bench/full_window_floor.cpp), is measured too,
# and the game's time and PSS are given against it as well: no window of that size can start
# like the small floor.
#   [SCREENS="640x480x24 ..."] bench/startup_bench.sh [RUNS] [VARN...]
# Needs ../shared/tools/gui-bench, the floor built in build/floor (see its README) and the release
# build (for bench/full_window_floor).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
shift || true
builds=("${@:-build/release/window/varn}")
bench=../shared/tools/gui-bench
floor=$PWD/build/floor/qtfloor
full_floor=$PWD/build/release/bench/full_window_floor
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

screens=(${SCREENS:-640x480x24 1280x1024x24 2560x1440x24 3840x2160x24 3840x2160x24+full})

# measure SCREEN LABEL NAME PROGRAM: one start, its figures appended to LABEL's file. The
# pause lets the last start's processes and X server wind down first: starts that overlap it
# take a fifth longer, now and then, whichever program they are. Every program starts through
# the same shell, which writes the settings of a window that fills the screen where asked.
measure() {
    local screen=${1%+full} label=$2 name=$3 program=$4 size=
    [[ $1 == *+full ]] && size=${screen%x*}
    sleep 1
    "$bench" --runs 1 --screen "$screen" --name "$name" --idle 2 --settle 1 \
        --env SDL_AUDIODRIVER=dummy -- /bin/sh -c 'if [ -n "$1" ]; then
            mkdir -p "$XDG_CONFIG_HOME/varn"
            printf "[window]\nwidth=%s\nheight=%s\n" "${1%x*}" "${1#*x}" >"$XDG_CONFIG_HOME/varn/varn.conf"
        fi
        exec "$0"' "$program" "$size" | grep '^run=' >>"$scratch/$label"
}

for screen in "${screens[@]}"; do
    for ((i = 0; i < runs; ++i)); do
        measure "$screen" "floor-$screen" 'Floor Qt' "$floor"
        [[ $screen == *+full ]] && measure "$screen" "full-$screen" 'Floor Qt' "$full_floor"
        for ((b = 0; b < ${#builds[@]}; ++b)); do
            measure "$screen" "varn$b-$screen" 'Varn' "$(realpath "${builds[b]}")"
        done
    done
done

median() {  # FILE FIELD
    grep -o "$2=[0-9.]*" "$1" | cut -d= -f2 | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}
pixels() {  # FILE: the window's pixels, from the last start's geometry
    grep -o 'geom=[0-9]*x[0-9]*' "$1" | tail -n 1 | cut -d= -f2 | awk -Fx '{print $1 * $2}'
}
for screen in "${screens[@]}"; do
    f=$(median "$scratch/floor-$screen" startup_ms)
    fp=$(median "$scratch/floor-$screen" pss_kib)
    fx=$(pixels "$scratch/floor-$screen")
    for ((b = 0; b < ${#builds[@]}; ++b)); do
        v=$(median "$scratch/varn$b-$screen" startup_ms)
        vp=$(median "$scratch/varn$b-$screen" pss_kib)
        vc=$(median "$scratch/varn$b-$screen" idle_cpu_pct)
        vx=$(pixels "$scratch/varn$b-$screen")
        awk -v s="$screen" -v b="${builds[b]}" -v f="$f" -v v="$v" -v fp="$fp" -v vp="$vp" -v vc="$vc" \
            -v shared="$(((vx - fx) * 2))" 'BEGIN {
            printf "%-18s floor %6.1f ms %6.1f MiB   %s %6.1f ms %6.1f MiB (%+.1f MiB, same size %+.1f MiB)   %.2fx   idle cpu %s %%\n",
                s, f, fp / 1024, b, v, vp / 1024, (vp - fp) / 1024, (vp - fp - shared / 1024) / 1024, v / f, vc }'
        [[ $screen == *+full ]] || continue
        ff=$(median "$scratch/full-$screen" startup_ms)
        ffp=$(median "$scratch/full-$screen" pss_kib)
        awk -v s="$screen" -v b="${builds[b]}" -v f="$ff" -v v="$v" -v fp="$ffp" -v vp="$vp" 'BEGIN {
            printf "%-18s bare window filling the screen %6.1f ms %6.1f MiB   %s %+.1f MiB   %.2fx\n",
                s, f, fp / 1024, b, (vp - fp) / 1024, v / f }'
    done
done
