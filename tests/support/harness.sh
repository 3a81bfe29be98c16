# harness.sh: what the shell tests share, sourced first: a scratch folder $dir that is removed
# however the test ends (unless the caller has set $dir to a folder of its own), failing with a
# reason, waiting for what another process does, and a third program holding a folder's lock
# (util-linux flock).
set -eu
if [ -z "${dir:-}" ]; then
    dir=$(mktemp -d)
    trap 'chmod -R u+rwx "$dir"; rm -rf "$dir"' EXIT
    trap 'exit 1' INT TERM
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
