#!/bin/sh
# gameoption_test.sh: varn's command line. A bad --game or --watch, or anything else, is one line
# on stderr and status 2 before any window; a good one goes on to the window, which without a
# display ends in the line that says so and status 1. Today's challenge waits until it is over.
#   sh gameoption_test.sh PATH/TO/varn PATH/TO/varn-crafted-code PATH/TO/varn-replay
set -u
varn=$1 craft=$2 replay=$3
failures=0
bad_number='varn: --game takes a game number from 1 to 4294967295'

# expect STATUS LINE ARGUMENT...: runs varn without a display and compares.
expect() {
    status=$1 line=$2
    shift 2
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$varn" "$@" 2>&1 >/dev/null)
    got=$?
    if [ "$got" != "$status" ] || [ "$said" != "$line" ]; then
        echo "varn $*: status $got, said '$said'; expected $status, '$line'"
        failures=$((failures + 1))
    fi
}

no_display='varn: cannot open a display; start Varn from a graphical desktop session'
expect 1 "$no_display"
expect 1 "$no_display" --game=4294967295
expect 1 "$no_display" --game 12 --game=0042
expect 2 "$bad_number" --game
expect 2 "$bad_number, not \"0\"" --game 0
expect 2 "$bad_number, not \"\"" --game=
expect 2 "$bad_number, not \" 7\"" --game " 7"
expect 2 "$bad_number, not \"7?8\"" --game "7
8"
expect 2 'varn: unknown argument "--games=7"; the game takes only --game N and --watch CODE' --games=7
expect 2 'varn: unknown argument "8"; the game takes only --game N and --watch CODE' --game 7 8
expect 2 'varn: unknown argument "-game"; the game takes only --game N and --watch CODE' -game 7
code=varn1000F3V21fbr0KqsK0
damaged='varn: this game code is damaged: a character is missing or changed'
expect 1 "$no_display" --watch "$code"
expect 1 "$no_display" "--watch= $code
"
expect 2 "$damaged" --watch varn1000F3V21fbr0KqsK1
expect 2 "$damaged" --watch varn1000F3V21fbr0KqsK
expect 2 "$damaged" --watch "varn1000F3V21fbr0Kq sK0"
expect 2 "$damaged" --watch varn1
expect 2 'varn: this game code comes from a newer Varn' --watch varn2000F3V21fbr0KqsK0
expect 2 'varn: --watch takes a Varn game code, and this is none' --watch https://example.org/a
expect 2 'varn: --watch takes a Varn game code, and this is none' --watch
crafted=$("$craft" 2026 20000)
expect 2 "$damaged" --watch "$crafted"
said=$(printf 'watch %s\n' "$crafted" | "$replay" 2>/dev/null)
got=$?
if [ "$got" != 2 ] || [ "$said" != "error: line 1: this game code is damaged" ]; then
    echo "varn-replay watch of the crafted code: status $got, said '$said'"
    failures=$((failures + 1))
fi
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export XDG_DATA_HOME="$data"
set -- $("$craft" today)
today=$1 day=$2
held="varn: game $today is today's challenge, which you can start or watch once you have played it"
expect 2 "$held" --game "$today"
mkdir -p "$data/varn"
printf 'varn-challenges 1\n# Each challenge, oldest first: day (UTC), score, moves made, name.\nday %s 0 0 Ana\nend\n' "$day" >"$data/varn/challenges.txt"
expect 2 "$held" --game "$today"
sed -i "s/ 0 0 Ana/ 40 50 Ana/" "$data/varn/challenges.txt"
expect 1 "$no_display" --game "$today"

[ "$failures" -eq 0 ] && echo "gameoption_test: every command line read as it should be"
exit "$failures"
