#!/bin/sh
# twogames_test.sh VARN_REPLAY: two varn-replay games in one directory, fed through FIFOs, enter
# their high scores (enter120.txt, enter40.txt) in either order: the better stays, and the other
# beeps, shows it and leaves the file. A third program holding the lock delays an entry, or for
# longer makes it fail and keeps the file. Nothing else is ever left in the directory.
replay=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../support/harness.sh"
game="$dir/game"
mkdir "$game"

# Waits until game $1 has printed $2 lines: eleven for each command.
await() {
    eventually "game $1's output" sh -c '[ "$(wc -l <"$0")" -ge "$1" ]' "$dir/$1.out" "$2"
}

# Checks what game $1 showed after "Enter score": $2 the high score, $3 the beeps.
expect_entry() {
    line=$(grep '^enter:' "$dir/$1.out")
    case "$line" in
    *" label8=$2 "*" beeps=$3 "*) ;;
    *) fail "game $1 shows '$line', expected label8=$2 and beeps=$3" ;;
    esac
}

# The file holds $1 (as od -c shows it) and nothing else is in the directory; with $2, the
# file is the one stored before (a new one would be another inode).
expect_file() {
    [ "$(od -An -c "$game/Varn_hsc.nrz" | tr -s ' ')" = "$1" ] ||
        fail "the high-score file holds $(od -An -c "$game/Varn_hsc.nrz")"
    [ "$(ls -A "$game")" = "Varn_hsc.nrz" ] || fail "left in the directory: $(ls -A "$game")"
    [ -z "${2:-}" ] || [ "$(stat -c %i "$game/Varn_hsc.nrz")" = "$stored" ] ||
        fail "the refused entry replaced the file"
}

# Starts games a and b on a stored 10 and lets both show it; their FIFOs stay open on the
# descriptors 3 and 4.
start_both() {
    printf '10\r\n' >"$game/Varn_hsc.nrz"
    rm -f "$dir"/*.in "$dir"/*.out
    for name in a b; do
        mkfifo "$dir/$name.in"
        : >"$dir/$name.out"
        (cd "$game" && exec "$replay" <"$dir/$name.in" >"$dir/$name.out") &
    done
    exec 3>"$dir/a.in" 4>"$dir/b.in"
    printf 'random 0 0.41 *100\nnewgame\n' >&3
    printf 'random 0 0.41 *100\nnewgame\n' >&4
    await a 11
    await b 11
    grep -q '^newgame: .* label8=10 ' "$dir/a.out" "$dir/b.out"
}

finish_both() {
    exec 3>&- 4>&-
    wait
}

# Game a plays with $1 points, then game b with $2; a stores its score.
play_in_turn() {
    start_both
    cat "$here/enter$1.txt" >&3
    await a 33
    stored=$(stat -c %i "$game/Varn_hsc.nrz")
    cat "$here/enter$2.txt" >&4
    await b 33
    finish_both
    expect_entry a "$1" 0
}

# The better score first: the other game's entry is refused and shows the 120.
play_in_turn 120 40
expect_entry b 120 1
expect_file ' 1 2 0 \r \n' same
# The lower score first: the better one still beats the stored 40 and replaces it.
play_in_turn 40 120
expect_entry b 120 0
expect_file ' 1 2 0 \r \n'
# A third program holds the directory's lock for $1 seconds; game a enters 40 meanwhile.
enter_while_held() {
    start_both
    hold_lock "$game" "$1"
    cat "$here/enter40.txt" >&3
    await a 33
    wait "$holder"
    finish_both
}

# Held for a moment: the entry waits for it and is stored.
enter_while_held 0.3
expect_entry a 40 0
expect_file ' 4 0 \r \n'
# Held past the game's patience: the entry fails, as on a full disk, and the file stays.
enter_while_held 3
expect_entry a 40 1
expect_file ' 1 0 \r \n'
