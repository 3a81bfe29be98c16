#!/bin/sh
# scoretable_test.sh VARN_SCORE_CLIENT: the table of the best games where the desktop keeps a
# user's data, the name it proposes first, and two games entering at once, each a real process
# that reads, changes and replaces the file many times over: both keep their rows, and every
# entry and every game played counts. Two games claim one day's challenge at once: one plays it,
# the other hears that it was played, and a worse end after the first never replaces it.
client=$1
. "$(dirname "$0")/../support/harness.sh"
cd "$dir"

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
# Without $HOME, the home folder of the user's entry in the system's user list.
entry=$(getent passwd "$(id -u)")
home=$(echo "$entry" | cut -d: -f6)
for path in "$(env -u XDG_DATA_HOME -u HOME "$client" path)" "$(env -u XDG_DATA_HOME HOME= "$client" path)"; do
    [ "$path" = "$home/.local/share/varn/scores.txt" ] || fail "without \$HOME: $path"
done

# The name proposed first is the user's full name from the system, or the login name; then the
# name used last.
export XDG_DATA_HOME="$dir/names"
full=$(echo "$entry" | cut -d: -f5 | cut -d, -f1)
[ "$("$client" proposed)" = "${full:-${entry%%:*}}" ] ||
    fail "proposed '$("$client" proposed)' for the user '$entry'"
"$client" enter 5 10 1800000000 'Zoë Ångström' >/dev/null
[ "$("$client" proposed)" = 'Zoë Ångström' ] || fail "proposed '$("$client" proposed)'"

# Two games each enter thirty scores and end thirty games, starting together: a third program
# holds the folder's lock until both wait for it. Game a scores 11, 21... 301, b 12, 22... 302.
export XDG_DATA_HOME="$dir/race"
mkdir -p "$XDG_DATA_HOME/varn"
hold_lock "$XDG_DATA_HOME/varn" 0.5
play() {
    for i in $(seq 30); do
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
[ "$rows" = "302 130 p2,301 30 p1,292 129 p2,291 29 p1,282 128 p2,281 28 p1,272 127 p2,271 27 p1,262 126 p2,261 26 p1," ] ||
    fail "the table holds $rows"
for line in 'played 60' 'entered 60' 'total 9390' 'best 302'; do
    grep -qx "$line" "$file" || fail "no '$line' in $(cat "$file")"
done
# The last fifty entries are kept, the newest last.
"$client" enter 999 7 1800000999 Last >/dev/null
[ "$(grep -c '^recent ' "$file")" = 50 ] || fail "$(grep -c '^recent ' "$file") recent entries kept"
[ "$(grep '^recent ' "$file" | tail -n 1)" = "recent 7 2027-01-15T08:16:39Z" ] ||
    fail "the newest entry is not the last: $(grep '^recent ' "$file" | tail -n 1)"
[ "$(ls -A "$XDG_DATA_HOME/varn")" = scores.txt ] || fail "left: $(ls -A "$XDG_DATA_HOME/varn")"

export XDG_DATA_HOME="$dir/challenges"
mkdir -p "$XDG_DATA_HOME/varn"
hold_lock "$XDG_DATA_HOME/varn" 0.5
"$client" claim 2027-01-16 >a.txt &
a=$!
"$client" claim 2027-01-16 >b.txt &
b=$!
wait "$a" "$b" "$holder"
[ "$(sort a.txt b.txt | tr '\n' ' ')" = "granted 1 played 1 " ] || fail "claims: $(cat a.txt b.txt)"
hold_lock "$XDG_DATA_HOME/varn" 2
[ "$("$client" claim 2027-01-17)" = "busy 1" ] || fail "a claim while another program kept the lock"
wait "$holder"
"$client" finish 2027-01-16 97 50
"$client" finish 2027-01-16 3 2
grep -qx 'day 2027-01-16 97 50 Ann' "$XDG_DATA_HOME/varn/challenges.txt" ||
    fail "the day's row: $(grep '^day' "$XDG_DATA_HOME/varn/challenges.txt")"
