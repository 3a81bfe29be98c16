#!/bin/sh
# firststart_test.sh: the first start of the real program shows pictures that it carries, drawn
# when it was built, and draws none itself: after it has dealt and shown its pictures, its cache
# folder is still empty. A window sized to a scale that it carries no pictures for draws them
# and keeps them there, which shows that the test would see a drawing start.
#   sh firststart_test.sh PATH/TO/varn
set -u
varn=$1
failures=0

# start NAME [WIDTH HEIGHT]: varn with fresh folders (and that window size), until it has dealt
# and some time has passed for pictures drawn ahead and for the cache's writing; then the
# files in its cache folder go to standard output.
start() {
    home=$(mktemp -d)
    mkdir -p "$home/config/varn" "$home/cache" "$home/state" "$home/data"
    if [ $# -eq 3 ]; then
        printf '[window]\nwidth=%s\nheight=%s\n' "$2" "$3" >"$home/config/varn/varn.conf"
    fi
    env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
        XDG_STATE_HOME="$home/state" XDG_DATA_HOME="$home/data" QT_QPA_PLATFORM=offscreen \
        SDL_AUDIODRIVER=dummy "$varn" >/dev/null 2>&1 &
    pid=$!
    waited=0
    while [ ! -s "$home/state/varn/game.txt" ] && [ "$waited" -lt 200 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    sleep 2
    kill "$pid"
    wait "$pid" 2>/dev/null
    [ -s "$home/state/varn/game.txt" ] || echo "$1: no game was dealt" >&2
    ls "$home/cache/varn" 2>/dev/null
    rm -rf "$home"
}

drawn=$(start first)
if [ -n "$drawn" ]; then
    echo "a first start drew pictures and cached them: $drawn"
    failures=$((failures + 1))
fi
# 340 pixels across hold the design at 1.0625.
drawn=$(start sized 340 470)
if [ "$drawn" != "pictures-1.0625-1.cache" ]; then
    echo "a start at scale 1.0625 left '$drawn' in its cache, not pictures-1.0625-1.cache"
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "firststart_test: a first start draws nothing, another scale draws"
exit "$failures"
