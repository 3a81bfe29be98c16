#!/bin/sh
# crash_test.sh VARN_REPLAY KILL_SHIM: a saving game killed with SIGKILL inside each of its writes
# in turn, records and snapshots alike, is read back as a whole game, after the last action that
# ended or the one in progress; a journal folded into a new snapshot loads the same.
replay=$1
shim=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

# killed_at N FILE SCRIPT: plays SCRIPT, killed inside the Nth write to a file whose path holds
# FILE; its reports in cut.out. The status is the run's.
killed_at() {
    VARN_KILL_AT_WRITE=$1 VARN_KILL_FILE=$2 LD_PRELOAD=$shim \
        ASAN_OPTIONS=${ASAN_OPTIONS:-}:verify_asan_link_order=0 "$replay" <"$3" >cut.out 2>/dev/null
}

# expect_whole WHAT STATES: game.txt loads without complaint as the state after the last
# report printed or after the next one, of those in the file STATES.
expect_whole() {
    shown=$(($(wc -l <cut.out) / 11))
    state=$(loaded game.txt)
    [ ! -s load.err ] || fail "$1: $(cat load.err)"
    sed -n "${shown}p;$((shown + 1))p" "$2" | grep -qxF "$state" ||
        fail "$1, after $shown reports: the game loads as $state"
}

printf '%s\nnewgame\nsave game.txt\n%s\nenter\n' "$numbers" "$board" >play.txt
printf 'click 55\nclick 0\nundo\nclick 97\nright\nundo\nredo\nnewgame\nclick 3\n' >>play.txt
"$replay" <play.txt >play.out
states_of play.out >play.states
[ "$(loaded game.txt)" = "$(tail -n 1 play.states)" ] || fail "the whole game loads otherwise"
n=1
while rm -f game.txt game.txt.*; ! killed_at "$n" game.txt play.txt; do
    [ -f game.txt ] || [ "$(wc -l <cut.out)" -le 11 ] ||
        fail "killed inside write $n, after the first snapshot, no game is left"
    [ ! -f game.txt ] || expect_whole "killed inside write $n" play.states
    n=$((n + 1))
done
[ "$n" -gt 9 ] || fail "only $((n - 1)) writes were killed: the shim missed them"

# Turns enough to grow the journal past its first snapshot, so that another is made.
{ printf '%s\nnewgame\nsave game.txt\n%s\n' "$numbers" "$board"; yes right | head -n 500; } >turns.txt
rm -f game.txt
"$replay" <turns.txt >turns.out
states_of turns.out >turns.states
[ "$(sed -n 2p game.txt | cut -d ' ' -f 2)" -gt 100 ] || fail "the journal was never folded"
[ "$(loaded game.txt)" = "$(tail -n 1 turns.states)" ] || fail "the folded game loads otherwise"
rm -f game.txt
killed_at 2 game.txt. turns.txt && fail "no second snapshot was written"
expect_whole "killed inside the second snapshot" turns.states
