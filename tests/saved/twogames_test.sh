#!/bin/sh
# twogames_test.sh VARN_REPLAY: two varn-replay games, fed through FIFOs, save to one file at once:
# it comes to hold the whole game of the last to act; one killed in a run of actions leaves a
# whole game of its own, and the other takes the file back with its next action.
replay=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

# printed GAME REPORTS: game GAME has printed REPORTS reports or more.
printed() {
    [ "$(($(wc -l <"$1.out") / 11))" -ge "$2" ]
}

# loads_as_last SCRIPT: the file loads, with SCRIPT's commands run after the load, as the game
# whose last reports are in last.out.
loads_as_last() {
    got=$(printf '%s\nload game.txt\n%s\n' "$numbers" "$1" | "$replay" 2>load.err | tail -n 11 |
        state_of)
    [ ! -s load.err ] || fail "the file was damaged: $(cat load.err)"
    [ "$got" = "$(state_of <last.out)" ]
}

# holds SCRIPT: the file comes to load so; the other game's snapshot may still be on its way.
holds() {
    eventually "the file to hold $(state_of <last.out)" loads_as_last "$1"
}

# act GAME REPORTS COMMANDS: game GAME runs COMMANDS and has printed REPORTS reports in all.
act() {
    printf '%s\n' "$3" >&"$(if [ "$1" = a ]; then echo 3; else echo 4; fi)"
    eventually "report $2 of game $1" printed "$1" "$2"
}

# last GAME REPORTS COMMANDS: act, and the file comes to hold what GAME shows last.
last() {
    act "$@"
    tail -n 11 "$1.out" >last.out
    holds ""
}

# holds_own_file PID: the process keeps open the file now in game.txt's place.
holds_own_file() {
    stat -L -c %d:%i /proc/"$1"/fd/* 2>/dev/null | grep -qx "$(stat -c %d:%i game.txt)"
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
last a 3 "click 55"
last b 3 "left"
last a 4 "undo"
sed -n 23,33p a.out >last.out
holds redo

# A run of turns killed part way: a whole game of a's own, in a state that it showed.
act b 4 "mirror"
yes left | head -n 300 >&3
eventually "game a's reports" printed a 24
# A game that finds another's file in place puts its own there on its writer's thread; from
# then on each record is in the file as soon as its action ends.
eventually "game a to put its own file in place" holds_own_file "$pid_a"
kill -KILL "$pid_a"
wait "$pid_a" || true
states_of a.out >a.states
got=$(loaded game.txt)
[ ! -s load.err ] || fail "the killed game left a damaged file: $(cat load.err)"
grep -qxF "$got" a.states || fail "the killed game left a state it never showed: $got"
last b 5 "undo"
exec 3>&- 4>&-
wait "$pid_b"
holds ""
