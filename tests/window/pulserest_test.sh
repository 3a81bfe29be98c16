#!/bin/sh
# pulserest_test.sh WINDOW_TESTS: runs the window's sound-rest test against a PulseAudio server of
# its own (own runtime directory, a null sink, no exit when idle, no autospawn), which checks with
# pactl that a playback stream is open after the move's clip and gone once the output rests.
set -eu
tests=$1
dir=$(mktemp -d)
server=
cleanup() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

export HOME="$dir" XDG_RUNTIME_DIR="$dir" PULSE_RUNTIME_PATH="$dir"
export PULSE_SERVER="unix:$dir/native" PULSE_CLIENTCONFIG="$dir/client.conf"
echo "autospawn = no" >"$PULSE_CLIENTCONFIG"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    -L "module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
    -L "module-null-sink sink_name=varn" >"$dir/server.log" 2>&1 &
server=$!

tries=0
until pactl info >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$server" 2>/dev/null; then
        echo "the PulseAudio server did not start:" >&2
        cat "$dir/server.log" >&2
        exit 1
    fi
    sleep 0.1
done
pactl list short sinks | grep -q varn

# Under the address sanitizer: libpulse keeps a few small blocks to the end, which are not ours.
echo "leak:libpulse.so" >"$dir/leaks.supp"
export LSAN_OPTIONS="suppressions=$dir/leaks.supp"
SDL_AUDIODRIVER=pulseaudio "$tests" --gtest_filter='SoundRest.*'
