# common.sh: what the saved game's scripts share, sourced with $replay and $here set: the shell
# tests' harness, run in its scratch folder, a game to play, and a fresh run's view of a saved
# file.
. "$here/../support/harness.sh"
cd "$dir"

# Every run queues the same numbers, so a random position read back names the same number.
numbers='random 0 0.41 *100
random 0 0.01 0 0.61 0 0.81 *20
random 0 0.41 *100'
board='board
11 2  1  2  1  2  1  2  1  2
2  1  2  1  2  1  2  1  2  1
1  2  1  2  1  2  1  2  1  2
2  1  2  1  2  1  2  1  2  13
1  2  1  2  0  2  1  2  1  2
2  1  2  1  0  0  2  1  2  1
1  2  1  2  1  2  1  2  1  2
2  1  2  1  2  1  2  1  2  1
1  2  1  2  1  2  1  2  1  2
2  1  2  1  2  1  2  12 2  1'

# What a report shows of the game, on one line: without its title and the counts of what the
# command did.
state_of() {
    sed -E -e 's/^[^:]*: //' -e 's/ (ticks|clips|beeps|focus)=[^ ]*//g' | paste -sd '|' -
}

# states_of OUT: the state each report in the output OUT shows, one a line.
states_of() {
    rm -f report.*
    [ ! -s "$1" ] || split -l 11 "$1" report.
    for report in report.*; do
        [ ! -f "$report" ] || state_of <"$report"
    done
}

# What a fresh run shows after "load $1", through $runner when set; its stderr in load.err.
runner=
loaded() {
    printf '%s\nload %s\n' "$numbers" "$1" | $runner "$replay" 2>load.err | state_of
}
