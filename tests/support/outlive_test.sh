#!/bin/sh
# outlive_test.sh VARN_REPLAY: a shell test that fails and one that ctest ends at its timeout
# leave nothing of theirs running: neither a game that waits in the background for
# input that never comes, nor a process below a function run in the background.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/harness.sh"
replay=$1
marker="varn-outlive-$$"
mkdir "$dir/bin"
ln -s "$replay" "$dir/bin/$marker-replay"
ln -s "$(command -v sleep)" "$dir/bin/$marker-sleep"

# The test that is ended: a game on a pipe that it holds open itself, and a sleep below a
# background function; then it fails or waits.
cat >"$dir/victim.sh" <<VICTIM
. "$here/harness.sh"
mkfifo "\$dir/input"
"$dir/bin/$marker-replay" <>"\$dir/input" >/dev/null &
below() { "$dir/bin/$marker-sleep" 1000; }
below &
touch "$dir/started"
case "\$1" in
    fail) sleep 0.2 && fail "fails on purpose" ;;
    wait) "$dir/bin/$marker-sleep" 1000 ;;
esac
VICTIM

# The processes of the test's that still run (an ended one that nobody has reaped yet is not).
left() {
    ps -eo stat=,args= | M="$marker-" awk '$1 !~ /^Z/ && index($0, ENVIRON["M"])' | wc -l
}
none_left() { eventually "what the $1 test started to end" test "$(left)" -eq 0; }

sh "$dir/victim.sh" fail 2>/dev/null && fail "the failing test passed"
none_left failing

mkdir "$dir/project"
cat >"$dir/project/CMakeLists.txt" <<PROJECT
cmake_minimum_required(VERSION 3.25)
project(outlive NONE)
enable_testing()
add_test(NAME victim COMMAND sh "$dir/victim.sh" wait)
set_tests_properties(victim PROPERTIES TIMEOUT 3)
PROJECT
rm -f "$dir/started"
cmake -S "$dir/project" -B "$dir/project/build" >/dev/null
(cd "$dir/project/build" && ctest >"$dir/ctest.log" 2>&1) && fail "the test past its timeout passed"
grep -q "Timeout" "$dir/ctest.log" || fail "ctest did not end the test at its timeout"
[ -f "$dir/started" ] || fail "the timed-out test never started its game"
none_left "timed-out"
echo "outlive_test: nothing outlived a failed or a timed-out test"
