#!/bin/sh
# twogames_test.sh VARN_REPLAY: two games in one directory, each a real varn-replay fed through a
# FIFO, both showing the stored high score before either enters its own. In either order the
# better score stays in the file and the game that lost sees it; while a third program holds the
# directory's lock, an entry is refused and the file kept. Nothing else is left in the directory.
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

# The moves of each game: 120 points for "high", 40 for "low", then "Enter score".
play_high() {
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
play_low() {
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

# Starts games "high" and "low" on a stored 10 and lets both show it; the FIFOs stay open on
# descriptors 3 and 4.
start_both() {
    printf '10\r\n' >"$game/Varn_hsc.nrz"
    rm -f "$dir"/*.in "$dir"/*.out
    for name in high low; do
        mkfifo "$dir/$name.in"
        : >"$dir/$name.out"
        (cd "$game" && exec "$replay" <"$dir/$name.in" >"$dir/$name.out") &
    done
    exec 3>"$dir/high.in" 4>"$dir/low.in"
    printf 'random 0 0.41 *100\nnewgame\n' >&3
    printf 'random 0 0.41 *100\nnewgame\n' >&4
    await high 11
    await low 11
    grep -q '^newgame: .* label8=10 ' "$dir/high.out" "$dir/low.out"
}

finish_both() {
    exec 3>&- 4>&-
    wait
}

# The better score first: the other game's entry is refused and it shows the 120.
start_both
play_high >&3
await high 33
play_low >&4
await low 33
finish_both
expect_entry high 120 0
expect_entry low 120 1
expect_file ' 1 2 0 \r \n'

# The lower score first: the better one still beats the stored 40 and replaces it.
start_both
play_low >&4
await low 33
play_high >&3
await high 33
finish_both
expect_entry low 40 0
expect_entry high 120 0
expect_file ' 1 2 0 \r \n'

# A third program holds the lock past the game's patience: the entry fails, as a full disk does.
start_both
flock "$game" sleep 3 </dev/null >/dev/null 2>&1 &
holder=$!
tries=0
while flock -n "$game" true; do
    tries=$((tries + 1))
    [ "$tries" -le 400 ] || fail "the third program did not take the lock"
    sleep 0.01
done
play_low >&4
await low 33
expect_entry low 40 1
wait "$holder"
finish_both
expect_file ' 1 0 \r \n'
