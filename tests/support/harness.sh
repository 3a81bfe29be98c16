# harness.sh: what the shell tests share, sourced first: a scratch folder $dir that is removed
# however the test ends (unless the caller has set $dir to a folder of its own), the end of
# whatever the test started that still runs then, failing with a reason, waiting for what another
# process does, and a third program holding a folder's lock (util-linux flock).
set -eu

# reap PID: ends every process below PID. Each is stopped as soon as it is found, so that none
# starts another meanwhile, and all are killed once none is left to find.
reap() {
    found="" queue=$1
    while [ -n "$queue" ]; do
        next=""
        for parent in $queue; do
            for child in $(pgrep -P "$parent"); do
                kill -STOP "$child" 2>/dev/null && next="$next $child"
            done
        done
        found="$found $next" queue=$next
    done
    [ -z "${found# }" ] || kill -KILL $found 2>/dev/null || true
}

# A test that fails leaves nothing running: a game started in the background and waited for in
# vain would otherwise go on for ever. (One that ctest ends at its timeout is killed with all it
# started, by ctest.) A script run in another's folder is that one's helper: what it starts may
# outlive it, as a server started for the test does.
if [ -z "${dir:-}" ]; then
    dir=$(mktemp -d)
    trap 'reap $$; chmod -R u+rwx "$dir"; rm -rf "$dir"' EXIT
    trap 'exit 1' INT TERM HUP
fi

fail() {
    echo "$*" >&2
    exit 1
}

# eventually WHAT COMMAND...: runs COMMAND until it succeeds; fails after some 20 s.
eventually() {
    what=$1
    shift
    tries=0
    until "$@"; do
        tries=$((tries + 1))
        [ "$tries" -le 400 ] || fail "waited in vain for $what"
        sleep 0.05
    done
}

# hold_lock FOLDER SECONDS: another program takes FOLDER's lock and holds it for SECONDS; its
# process is $holder.
hold_lock() {
    flock "$1" sleep "$2" </dev/null >/dev/null 2>&1 &
    holder=$!
    eventually "the lock taken" sh -c '! flock -n "$0" true' "$1"
}
