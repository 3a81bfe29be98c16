#!/usr/bin/env bash
# startup_callgrind.sh: instructions from exec to the main window's first map (the entry to
# xcb_map_window), under callgrind, for the bare Qt window and the game, on a small screen
# (the game opens at scale 1) and a large one (1.75), or on the SCREENS given; a screen written
# WxHxD+full has the game fill it, as full screen does. The game is started twice on each screen
# with fresh settings: first with an empty cache, then once more on what the first start left
# in the cache. Counts do not depend on the machine's load, unlike start-up times.
#   [SCREENS="640x480x24 ..."] bench/startup_callgrind.sh [VARN] [OUT_DIR]
# Prints one line per start; the profiles stay in OUT_DIR for bench/startup_parts.py.
set -euo pipefail
cd "$(dirname "$0")/.."
varn=$(realpath "${1:-build/release/window/varn}")
out=$(realpath -m "${2:-build/callgrind}")
floor=$PWD/build/floor/qtfloor
mkdir -p "$out"
scratch=$(mktemp -d)
xvfb=
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$scratch"' EXIT

start_xvfb() {  # SCREEN: a private X server on the first free display from :71
    local display=71
    while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
        display=$((display + 1))
    done
    Xvfb ":$display" -screen 0 "$1" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=":$display"
    until [ -e "/tmp/.X11-unix/X$display" ]; do sleep 0.1; done
}

stop_xvfb() {
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    xvfb=
}

# profile NAME HOME COMMAND: one start until its first map. A program that keeps a cache in
# $XDG_CACHE_HOME/varn is given time to write it before it is ended.
profile() {
    local name=$1 home=$2
    shift 2
    local file="$out/$name.callgrind"
    rm -f "$file" "$file".*
    mkdir -p "$home/config" "$home/cache" "$home/run"
    (cd "$home/run" && exec env -i PATH="$PATH" DISPLAY="$DISPLAY" HOME="$home" \
        XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home" \
        XDG_DATA_HOME="$home/data" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb \
        valgrind --tool=callgrind --callgrind-out-file="$file" --dump-before=xcb_map_window \
        --dump-instr=no --separate-callers=30 "$@" >/dev/null 2>&1) &
    local pid=$!
    until [ -e "$file.1" ] || ! kill -0 "$pid" 2>/dev/null; do sleep 0.2; done
    if [[ $name == varn-* ]]; then
        for ((wait = 0; wait < 120; ++wait)); do
            [ -n "$(ls "$home/cache/varn" 2>/dev/null)" ] && break
            sleep 0.5
        done
    fi
    sleep 3
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    local total
    total=$(grep -m1 '^summary:' "$file.1" | awk '{print $2}')
    printf '%-26s %8.1f M instructions to first map\n' "$name" "$(echo "$total / 1000000" | bc -l)"
}

settings() {  # HOME SCREEN: the settings of a first start, of a window filling the screen
    rm -rf "$1/config"
    if [[ $2 == *+full ]]; then
        local size=${2%x*}
        mkdir -p "$1/config/varn"
        printf '[window]\nwidth=%s\nheight=%s\n' "${size%x*}" "${size#*x}" >"$1/config/varn/varn.conf"
    fi
}

for screen in ${SCREENS:-640x480x24 1280x1024x24}; do
    start_xvfb "${screen%+full}"
    profile "floor-$screen" "$scratch/floor-$screen" "$floor"
    settings "$scratch/varn-$screen" "$screen"
    profile "varn-$screen-first" "$scratch/varn-$screen" "$varn"
    settings "$scratch/varn-$screen" "$screen"
    profile "varn-$screen-later" "$scratch/varn-$screen" "$varn"
    stop_xvfb
done
