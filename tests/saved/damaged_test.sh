#!/bin/sh
# damaged_test.sh VARN_REPLAY SHIM: a saved game read back by a fresh varn-replay's "load", also a
# few bytes a read (SHIM). A file cut at any byte loads as its last whole record, or as damaged;
# a damaged file leaves the game as it was, is kept aside byte for byte, and costs one short
# printable line on stderr. The largest score plays on; an unwritable folder only forgets.
replay=$1
shim=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
chmod 777 "$dir"

# Tests may run as root, whom permissions do not stop: the rows about them run as nobody, through
# $runner.
as_user() {
    if [ "$(id -u)" = 0 ]; then
        setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
    else
        "$@"
    fi
}

# A real game: a new game, saved, then a board laid out, moves, a transform, undos and a redo
# that walk back to the laid board. Every state it passes through is printed.
printf '%s\nnewgame\nsave game.txt\n%s\n' "$numbers" "$board" >play.txt
printf 'click 55\nclick 0\nundo\nclick 97\nright\nundo\nundo\nundo\nredo\n' >>play.txt
"$replay" <play.txt >play.out || fail "the game did not play: $(cat play.out)"
states_of play.out >shown.txt
mv game.txt real.txt
fresh=$(loaded nothing.txt)
[ ! -s load.err ] || fail "a missing file was reported: $(cat load.err)"
last=$(tail -n 1 shown.txt)
[ "$(loaded real.txt)" = "$last" ] || fail "the saved game loads as $(loaded real.txt), not $last"
# line TEXT...: each text as a line of a saved game, closed by its checksum (zlib's CRC-32);
# without a text, each line of standard input, closed afresh.
line() {
    python3 -c 'import sys, zlib
for text in sys.argv[1:] or [t.rsplit(" #", 1)[0] for t in sys.stdin.read().splitlines()]:
    print(f"{text} #{zlib.crc32(text.encode()):08x}")' "$@"
}

# The same lines closed by another program load the same.
line <real.txt >closed.txt
[ "$(loaded closed.txt)" = "$last" ] || fail "lines closed by zlib's CRC-32 load otherwise"
runner="env LD_PRELOAD=$shim VARN_SHORT_READS=7 ASAN_OPTIONS=${ASAN_OPTIONS:-}:verify_asan_link_order=0"
[ "$(loaded real.txt)" = "$last" ] || fail "read seven bytes at a time, the game loads otherwise"
[ ! -e real.txt.damaged-1 ] || fail "a file read in short pieces was set aside"
runner=

# expect_damaged WHAT [FILE]: loading FILE (game.txt) leaves the game as a fresh run has it,
# keeps the file, byte for byte, as FILE.damaged-1 and says so in one line on stderr.
expect_damaged() {
    file=${2:-game.txt}
    rm -f before.bytes
    [ ! -f "$file" ] || cp "$file" before.bytes
    got=$(loaded "$file")
    [ "$got" = "$fresh" ] || fail "$1: the game shows $got"
    [ "$(wc -l <load.err)" = 1 ] && [ "$(wc -c <load.err)" -le 200 ] &&
        ! LC_ALL=C grep -q '[^ -~]' load.err || fail "$1: stderr holds: $(cat load.err)"
    grep -q "^varn: the saved game $file cannot be continued: .*; it is kept as $file.damaged-1\$" \
        load.err || fail "$1: stderr holds: $(cat load.err)"
    [ ! -e "$file" ] || fail "$1: the file is still in its place"
    [ ! -f before.bytes ] || cmp -s before.bytes "$file.damaged-1" ||
        fail "$1: the file kept is not the file that was there"
    [ ! -d "$file.damaged-1" ] || [ -f "$file.damaged-1/inside" ] ||
        fail "$1: the folder kept lost what it held"
    rm -rf "$file.damaged-1"
}


# A label of any text comes back, written again by a game that saves what it loaded: escaped
# backslashes and control bytes, and letters beyond ASCII.
{ head -n 2 real.txt; line "$(sed -n 3p real.txt | sed 's/ #[0-9a-f]*$//; s/ label .*$//') label \\\\x\\x41\\x1f\\x7fé"; } >label.txt
printf '%s\nsave again.txt\nload label.txt\n' "$numbers" | "$replay" >/dev/null
label=$(loaded again.txt | sed -n 's/.* label4=\(.*\) label8=.*/\1/p')
[ "$label" = "$(printf '\\xA\037\177é')" ] || fail "the label comes back as '$label'"

# Every whole line after the snapshot is a state the game showed; a cut inside a line, its
# newline included, loads as the line before it. One run loads the file cut at every byte in
# turn: a damaged cut leaves the game as the cut before left it.
python3 - "$replay" "$numbers" <<'PY' || fail "the cuts of the real file load wrong"
import os, re, subprocess, sys
replay, numbers = sys.argv[1], sys.argv[2]
real = open("real.txt", "rb").read()
snapshot = int(real.split(b"\n")[1].split()[1]) + 3
os.mkdir("cuts")
for n in range(len(real) + 1):
    open(f"cuts/{n}", "wb").write(real[:n])
script = numbers + "\n" + "".join(f"load cuts/{n}\n" for n in range(len(real) + 1))
run = subprocess.run([replay], input=script.encode(), capture_output=True, check=True)
lines = run.stdout.decode().splitlines()
states = [re.sub(r" (ticks|clips|beeps|focus)=\S*", "", "|".join(lines[i:i + 11]).split(": ", 1)[1])
          for i in range(0, len(lines), 11)]
shown = set(open("shown.txt").read().splitlines())
errors = run.stderr.decode().splitlines()
assert len(states) == len(real) + 1, len(states)
for n, state in enumerate(states):
    whole = real[:n].count(b"\n")
    damaged = f"varn: the saved game cuts/{n} cannot be continued:"
    if whole < snapshot:
        assert errors and errors.pop(0).startswith(damaged), (n, errors[:1])
        assert os.path.exists(f"cuts/{n}.damaged-1") and not os.path.exists(f"cuts/{n}"), n
        assert n == 0 or state == states[n - 1], (n, state)
    else:
        assert state in shown, (n, state)
        assert state == states[real.rfind(b"\n", 0, n) + 1], (n, state)
assert not errors, errors
assert states[-1] == open("shown.txt").read().splitlines()[-1]
PY

snapshot=$(($(sed -n 2p real.txt | cut -d ' ' -f 2) + 3))
[ "$(wc -l <real.txt)" -gt $((snapshot + 8)) ] || fail "too few records: $(cat real.txt)"
current=$(sed -n 3p real.txt | sed 's/ #[0-9a-f]*$//')
record=$(sed -n "$((snapshot + 1))p" real.txt | sed 's/ #[0-9a-f]*$//')

: >game.txt
expect_damaged "an empty file"
printf '\211PNG\r\n\032\n\000\000\000\rIHDR\n%s\n' "$current" >game.txt
expect_damaged "garbage"
{ line "varn saved game 2"; tail -n +2 real.txt; } >game.txt
expect_damaged "a future version"
{ head -n 2 real.txt; line "$(echo "$current" | sed 's/^current ./current f/')"; } >game.txt
expect_damaged "a cell out of range"
{ head -n 2 real.txt; line "$(echo "$current" | sed 's/ label .*$//') label \\q41"; } >game.txt
expect_damaged "a label with a broken escape"
{ head -n "$snapshot" real.txt; line "$(echo "$record" | sed 's/^\([a-z]*\) ./\1 9/')"; \
    tail -n "+$((snapshot + 2))" real.txt; } >game.txt
expect_damaged "a record before the last with a code that no cell holds"
sed "$((snapshot + 2))s/ score / score 1/" real.txt >game.txt
expect_damaged "a record before the last that fails its checksum"
{ head -n 1 real.txt; line "history 0 4"; tail -n +3 real.txt; } >game.txt
expect_damaged "a position outside the history"
{ head -n 1 real.txt; line "history 1000000 0"; sed -n 3p real.txt; } >game.txt
expect_damaged "a history that claims a million entries"
state=$(sed -n 3p real.txt | sed 's/^current /state /; s/ #[0-9a-f]*$//')
{ line "varn saved game 1" "history 1000000 0"; sed -n 3p real.txt; yes "$(line "$state")" |
    head -n 1000000; } >game.txt
expect_damaged "a history of a million entries"
{ head -n 1 real.txt; line "history 199999 0"; sed -n 3p real.txt; } >game.txt
expect_damaged "a history that claims more states than it holds"
{ head -n 2 real.txt; line "$(echo "$current" | sed 's/ score [0-9]*/ score 10000000000000000/')"; } >game.txt
expect_damaged "a score past what the label shows"
{ head -n 2 real.txt; line "$(echo "$current" | sed 's/ label .*$//') label 12345678901234567"; } >game.txt
expect_damaged "a label longer than any score"
{ head -n "$snapshot" real.txt; line "$(printf '\033]0;owned\007%03000d' 0) 1"; \
    tail -n "+$((snapshot + 2))" real.txt; } >game.txt
expect_damaged "a record of escape bytes and a long word"
mkdir game.txt
: >game.txt/inside
expect_damaged "a folder in its place"

# The largest score plays on, held where its label ends.
{ head -n 2 real.txt; line "$(echo "$current" | sed 's/ score [0-9]*/ score 9999999999999999/; s/ label .*$/ label 9999999999999999/')"; } >game.txt
printf '%s\nload game.txt\n%s\nclick 55\nclick 0\n' "$numbers" "$board" | "$replay" 2>load.err >largest.out
[ "$(tail -n 11 largest.out | state_of | sed 's/ label8=.*//')" = "score=9999999999999999 label4=9999999999999999" ] ||
    fail "the largest score moved on to $(tail -n 11 largest.out | head -n 1)"

# Unreadable, and a folder that cannot be written: the game plays exactly as without saving.
cp real.txt game.txt
chmod 000 game.txt
runner=as_user
expect_damaged "an unreadable file"
mkdir locked
chmod 555 locked
printf '%s\nnewgame\n%s\nclick 55\nundo\n' "$numbers" "$board" >plain.txt
sed 's|^newgame$|newgame\nsave locked/game.txt|' plain.txt >locked.txt
as_user "$replay" <plain.txt >plain.out
as_user "$replay" <locked.txt >locked.out 2>locked.err || fail "a game that cannot be saved failed"
cmp -s plain.out locked.out || fail "a game that cannot be saved plays otherwise"
[ "$(cat locked.err)" = \
    "varn: the game in progress cannot be saved in locked/game.txt: its folder cannot be written" ] ||
    fail "a folder that cannot be written is told as: $(cat locked.err)"
[ -z "$(ls -A locked)" ] || fail "left in the locked folder: $(ls -A locked)"
