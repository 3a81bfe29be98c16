#!/bin/sh
# scoretable_test.sh VARN_SCORE_CLIENT: the table of the best games where the desktop keeps a
# user's data, the name it proposes first, and two games entering at once, each a real process
# that reads, changes and replaces the file many times over: both keep their rows, and every
# entry and every game played counts.
set -eu
client=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
trap 'exit 1' INT TERM
cd "$dir"

fail() {
    echo "$*" >&2
    exit 1
}

# $XDG_DATA_HOME when it is an absolute path; otherwise ~/.local/share. Folders made private.
XDG_DATA_HOME="$dir/data" HOME="$dir/home" "$client" enter 1 10 1800000000 Ann >/dev/null
[ -f "$dir/data/varn/scores.txt" ] && [ ! -e "$dir/home" ] || fail "not in \$XDG_DATA_HOME"
[ "$(stat -c %a "$dir/data" "$dir/data/varn" | tr '\n' ' ')" = "700 700 " ] ||
    fail "folders made with modes $(stat -c %a "$dir/data" "$dir/data/varn")"
XDG_DATA_HOME= HOME="$dir/empty" "$client" enter 1 10 1800000000 Ann >/dev/null
XDG_DATA_HOME=relative HOME="$dir/relative" "$client" enter 1 10 1800000000 Ann >/dev/null
env -u XDG_DATA_HOME HOME="$dir/unset" "$client" enter 1 10 1800000000 Ann >/dev/null
for home in empty relative unset; do
    [ -f "$dir/$home/.local/share/varn/scores.txt" ] || fail "not in ~/.local/share ($home)"
done
[ ! -e relative/varn ] || fail "a relative \$XDG_DATA_HOME was used"

# The name proposed first is the user's full name from the system, or the login name; then the
# name used last.
export XDG_DATA_HOME="$dir/names"
entry=$(getent passwd "$(id -u)")
full=$(echo "$entry" | cut -d: -f5 | cut -d, -f1)
[ "$("$client" proposed)" = "${full:-${entry%%:*}}" ] ||
    fail "proposed '$("$client" proposed)' for the user '$entry'"
"$client" enter 5 10 1800000000 'Zoë Ångström' >/dev/null
[ "$("$client" proposed)" = 'Zoë Ångström' ] || fail "proposed '$("$client" proposed)'"

# Two games each enter ten scores and end ten games, starting together: a third program holds
# the folder's lock until both wait for it. Game a scores 11, 21... 101, game b 12, 22... 102.
export XDG_DATA_HOME="$dir/race"
mkdir -p "$XDG_DATA_HOME/varn"
flock "$XDG_DATA_HOME/varn" sleep 0.3 &
holder=$!
tries=0
while flock -n "$XDG_DATA_HOME/varn" true; do
    tries=$((tries + 1))
    [ "$tries" -le 400 ] || fail "the third program did not take the lock"
    sleep 0.01
done
play() {
    for i in 1 2 3 4 5 6 7 8 9 10; do
        "$client" enter $(($1 + i)) $((10 * i + $2)) $((1800000000 + i)) "p$2" >/dev/null
        "$client" ended $((10 * i + $2))
    done
}
play 0 1 &
a=$!
play 100 2 &
b=$!
wait "$a" || fail "game a failed to enter"
wait "$b" || fail "game b failed to enter"
wait "$holder"
file="$XDG_DATA_HOME/varn/scores.txt"
rows=$(grep '^game ' "$file" | cut -d' ' -f2,4,5 | tr '\n' ',')
[ "$rows" = "102 110 p2,101 10 p1,92 109 p2,91 9 p1,82 108 p2,81 8 p1,72 107 p2,71 7 p1,62 106 p2,61 6 p1," ] ||
    fail "the table holds $rows"
for line in 'played 20' 'entered 20' 'total 1130' 'best 102'; do
    grep -qx "$line" "$file" || fail "no '$line' in $(cat "$file")"
done
[ "$(grep -c '^recent ' "$file")" = 20 ] || fail "not every entry is among the recent ones"
[ "$(ls -A "$XDG_DATA_HOME/varn")" = scores.txt ] || fail "left: $(ls -A "$XDG_DATA_HOME/varn")"
