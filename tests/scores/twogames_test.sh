#!/bin/sh
# twogames_test.sh VARN_REPLAY: two games in one directory, each a real varn-replay fed through a
# FIFO, both showing the stored high score before either enters its own. In either order the
# better score stays in the file, and a game whose score is no better than the stored one beeps,
# shows the stored one and leaves the file untouched. A third program holding the directory's
# lock for a moment delays an entry; holding it for longer makes the entry fail and keeps the
# file. Nothing else is ever left in the directory.
set -eu
replay=$1
dir=$(mktemp -d)
game="$dir/game"
mkdir "$game"
trap 'rm -rf "$dir"' EXIT
trap 'exit 1' INT TERM

fail() {
    echo "$*" >&2
    exit 1
}

# The moves of a game that scores 120 or 40 points, then "Enter score".
play_120() {
    cat <<'MOVES'
board
1  2  1  2  1  2  1  2  1  2
2  1  2  1  2  1  2  1  2  1
1  2  1  2  1  2  1  2  1  2
2  1  2  1  2  1  2  1  2  1
14 14 14 14 14 14 14 14 14 14
14 14 2  1  2  1  2  1  2  1
1  2  1  2  1  2  1  2  1  2
2  1  2  1  2  1  2  1  2  1
1  2  1  2  1  2  1  2  1  2
2  1  2  1  2  1  2  1  2  1
random 0 0.61 *12
click 40
enter
MOVES
}
play_40() {
    cat <<'MOVES'
board
1  2  1  2  1  2  1  2  1  2
2  1  2  1  2  1  2  1  2  1
1  2  1  2  1  2  1  2  1  2
2  1  2  1  2  1  2  1  2  1
1  2  1  2  14 14 1  2  1  2
2  1  2  1  14 14 2  1  2  1
1  2  1  2  1  2  1  2  1  2
2  1  2  1  2  1  2  1  2  1
1  2  1  2  1  2  1  2  1  2
2  1  2  1  2  1  2  1  2  1
random 0 0.61 *4
click 44
enter
MOVES
}

# Waits until game $1 has printed $2 lines: eleven for each command.
await() {
    tries=0
    until [ "$(wc -l <"$dir/$1.out")" -ge "$2" ]; do
        tries=$((tries + 1))
        [ "$tries" -le 400 ] || fail "game $1 printed no more than: $(cat "$dir/$1.out")"
        sleep 0.05
    done
}

# Checks what game $1 showed after "Enter score": $2 the high score, $3 the beeps.
expect_entry() {
    line=$(grep '^enter:' "$dir/$1.out")
    case "$line" in
        *" label8=$2 "*" beeps=$3 "*) ;;
        *) fail "game $1 shows '$line', expected label8=$2 and beeps=$3" ;;
    esac
}

expect_file() {
    [ "$(od -An -c "$game/Varn_hsc.nrz" | tr -s ' ')" = "$1" ] ||
        fail "the high-score file holds $(od -An -c "$game/Varn_hsc.nrz")"
    [ "$(ls -A "$game")" = "Varn_hsc.nrz" ] || fail "left in the directory: $(ls -A "$game")"
}

# A stored file is replaced by a new one, so the same inode means that it was left untouched.
inode() {
    stat -c %i "$game/Varn_hsc.nrz"
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
    "play_$1" >&3
    await a 33
    stored=$(inode)
    "play_$2" >&4
    await b 33
    finish_both
    expect_entry a "$1" 0
}

# The better score first: the other game's entry is refused and shows the 120.
play_in_turn 120 40
expect_entry b 120 1
[ "$(inode)" = "$stored" ] || fail "the refused entry replaced the file"
expect_file ' 1 2 0 \r \n'

# The lower score first: the better one still beats the stored 40 and replaces it.
play_in_turn 40 120
expect_entry b 120 0
expect_file ' 1 2 0 \r \n'

# Two equal scores: the second is no better than the stored one.
play_in_turn 40 40
expect_entry b 40 1
[ "$(inode)" = "$stored" ] || fail "the refused entry replaced the file"
expect_file ' 4 0 \r \n'

# A line changed by hand meanwhile counts by its leading number, blanks skipped, and is shown
# as a new game would show it, its control bytes cleaned.
start_both
printf '1 2\t0x\r\n' >"$game/Varn_hsc.nrz"
stored=$(inode)
play_40 >&3
await a 33
finish_both
expect_entry a '1 2?0x' 1
[ "$(inode)" = "$stored" ] || fail "the refused entry replaced the file"

# A third program holds the directory's lock for $1 seconds; game a enters 40 meanwhile.
enter_while_held() {
    start_both
    flock "$game" sleep "$1" </dev/null >/dev/null 2>&1 &
    holder=$!
    tries=0
    while flock -n "$game" true; do
        tries=$((tries + 1))
        [ "$tries" -le 400 ] || fail "the third program did not take the lock"
        sleep 0.01
    done
    play_40 >&3
    await a 33
    wait "$holder"
    finish_both
}

# Held for a moment: the entry waits for it and is stored.
enter_while_held 0.2
expect_entry a 40 0
expect_file ' 4 0 \r \n'

# Held past the game's patience: the entry fails, as on a full disk, and the file stays.
enter_while_held 3
expect_entry a 40 1
expect_file ' 1 0 \r \n'
