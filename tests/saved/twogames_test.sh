#!/bin/sh
# twogames_test.sh VARN_REPLAY: two games save to the same file at once, each a varn-replay fed
# through a FIFO, as two windows would. The file always comes to hold one whole game, that of
# the last to act, with its history, once its writer has put it in place; a game killed with
# SIGKILL in the middle of a run of actions leaves a whole game of its own, and the other takes
# the file back with its next action.
set -eu
replay=$1
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d)
trap 'exec 3>&- 4>&-; rm -rf "$dir"' EXIT
cd "$dir"
. "$here/common.sh"

# Waits until game $1 has printed $2 reports.
await() {
    tries=0
    until [ "$(($(wc -l <"$1.out") / 11))" -ge "$2" ]; do
        tries=$((tries + 1))
        [ "$tries" -le 400 ] || fail "game $1 printed no more than: $(cat "$1.out")"
        sleep 0.05
    done
}

# holds SCRIPT: the file comes to load, with SCRIPT's commands run after the load, as the game
# whose last reports are in last.out; the other game's snapshot may still be on its way.
holds() {
    tries=0
    want=$(state_of <last.out)
    until got=$(printf '%s\nload game.txt\n%s\n' "$numbers" "$1" | "$replay" 2>load.err |
        tail -n 11 | state_of) && [ "$got" = "$want" ]; do
        [ ! -s load.err ] || fail "the file was damaged: $(cat load.err)"
        tries=$((tries + 1))
        [ "$tries" -le 200 ] || fail "the file holds $got, not $want"
        sleep 0.05
    done
}

# act GAME REPORTS COMMANDS: game GAME runs COMMANDS and has printed REPORTS reports in all.
act() {
    printf '%s\n' "$3" >&"$(if [ "$1" = a ]; then echo 3; else echo 4; fi)"
    await "$1" "$2"
}

for name in a b; do
    mkfifo "$name.in"
    : >"$name.out"
    "$replay" <"$name.in" >"$name.out" &
    eval "pid_$name=\$!"
done
exec 3>a.in 4>b.in
act a 2 "$numbers
newgame
save game.txt
$board
enter"
act b 2 "$numbers
newgame
save game.txt
$board
right"
act a 3 "click 55"
tail -n 11 a.out >last.out
holds ""
act b 3 "left"
tail -n 11 b.out >last.out
holds ""
act a 4 "undo"
tail -n 11 a.out >last.out
holds ""
sed -n 23,33p a.out >last.out
holds redo

# A run of turns killed part way: a whole game of a's own, in a state that it showed.
act b 4 "mirror"
yes left | head -n 300 >&3
await a 24
# A game that finds another's file in place puts its own there on its writer's thread; from
# then on each record is in the file as soon as its action ends.
tries=0
until stat -L -c %d:%i /proc/"$pid_a"/fd/* 2>/dev/null | grep -qx "$(stat -c %d:%i game.txt)"; do
    tries=$((tries + 1))
    [ "$tries" -le 400 ] || fail "game a never put its own file in place"
    sleep 0.05
done
kill -KILL "$pid_a"
wait "$pid_a" || true
states_of a.out >a.states
got=$(loaded game.txt)
[ ! -s load.err ] || fail "the killed game left a damaged file: $(cat load.err)"
grep -qxF "$got" a.states || fail "the killed game left a state it never showed: $got"
act b 5 "undo"
tail -n 11 b.out >last.out
holds ""
exec 3>&- 4>&-
wait "$pid_b"
holds ""
