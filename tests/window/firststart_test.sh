#!/bin/sh
# firststart_test.sh: the first start shows the pictures the program carries and draws none: its
# cache folder stays empty. A window at a scale it carries none for draws and caches them, which
# shows that the test would see a drawing start.
#   sh firststart_test.sh PATH/TO/varn
varn=$1
. "$(dirname "$0")/../support/harness.sh"

# cached NAME [WIDTH HEIGHT]: varn with fresh folders (and that window size), until it has dealt
# and some time has passed for pictures drawn ahead and for the cache's writing; then the
# files in its cache folder go to standard output.
cached() {
    home="$dir/$1"
    mkdir -p "$home/config/varn" "$home/cache"
    [ $# -eq 1 ] ||
        printf '[window]\nwidth=%s\nheight=%s\n' "$2" "$3" >"$home/config/varn/varn.conf"
    env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
        XDG_STATE_HOME="$home/state" XDG_DATA_HOME="$home/data" QT_QPA_PLATFORM=offscreen \
        SDL_AUDIODRIVER=dummy "$varn" >/dev/null 2>&1 &
    pid=$!
    eventually "$1: a game dealt" test -s "$home/state/varn/game.txt"
    sleep 2
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    ls "$home/cache/varn" 2>/dev/null || true
}

drawn=$(cached first)
[ -z "$drawn" ] || fail "a first start drew pictures and cached them: $drawn"
# 340 pixels across hold the design at 1.0625.
drawn=$(cached sized 340 470)
[ "$drawn" = "pictures-1.0625-1.cache" ] ||
    fail "a start at scale 1.0625 left '$drawn' in its cache, not pictures-1.0625-1.cache"
echo "firststart_test: a first start draws nothing, another scale draws"
