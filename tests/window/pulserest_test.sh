#!/bin/sh
# pulserest_test.sh WINDOW_TESTS VARN_DESIGN: the window's sound tests against a private PulseAudio
# server with a null sink, which they kill, start, freeze and thaw through this script
# (`pulserest_test.sh stop|start|freeze|thaw`, VARN_PULSE_DIR set); then varn-design auditions a
# clip while the server dies or freezes, and gives up on a server frozen before it starts.
# `pulserest_test.sh with COMMAND...` runs a command against such a server instead (a benchmark).
set -eu

server_up() {
    pactl info >/dev/null 2>&1 || { kill -0 "$(cat "$dir/server.pid")" && return 1; } ||
        fail "the PulseAudio server did not start: $(cat "$dir/server.log")"
}

start_server() {
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        -L "module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
        -L "module-null-sink sink_name=varn" </dev/null >>"$dir/server.log" 2>&1 &
    echo $! >"$dir/server.pid"
    eventually "the PulseAudio server" server_up
    pactl list short sinks | grep -q varn
}

# Killed as by a crash; it is gone once it answers no more (the process may stay a zombie of the
# script that started it).
stop_server() {
    kill -CONT "$(cat "$dir/server.pid")" 2>/dev/null || true
    kill -KILL "$(cat "$dir/server.pid")" 2>/dev/null || true
    while pactl info >/dev/null 2>&1; do sleep 0.05; done
}

# Stopped, not dead: its socket still takes connections, and nothing on them is answered.
freeze_server() {
    kill -STOP "$(cat "$dir/server.pid")"
}

thaw_server() {
    kill -CONT "$(cat "$dir/server.pid")"
    pactl info >/dev/null
}

case $1 in
start | stop | freeze | thaw)
    dir=$VARN_PULSE_DIR
    . "$(dirname "$0")/../support/harness.sh"
    "${1}_server"
    exit 0
    ;;
esac

. "$(dirname "$0")/../support/harness.sh"
cleanup() {
    [ ! -f "$dir/server.pid" ] || kill -CONT "$(cat "$dir/server.pid")" 2>/dev/null || true
    [ ! -f "$dir/server.pid" ] || kill "$(cat "$dir/server.pid")" 2>/dev/null || true
    reap $$
    rm -rf "$dir"
}
trap cleanup EXIT

export HOME="$dir" XDG_RUNTIME_DIR="$dir" PULSE_RUNTIME_PATH="$dir"
export PULSE_SERVER="unix:$dir/native" PULSE_CLIENTCONFIG="$dir/client.conf"
echo "autospawn = no" >"$PULSE_CLIENTCONFIG"
start_server
# The programs run elsewhere than here, and call back through this script.
VARN_PULSE_CONTROL=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
export VARN_PULSE_DIR="$dir" VARN_PULSE_CONTROL

if [ "$1" = with ]; then
    shift
    "$@"
    exit
fi

tests=$1
design=$2
# Under the address sanitizer: libpulse keeps a few small blocks to the end, which are not ours.
echo "leak:libpulse.so" >"$dir/leaks.supp"
export LSAN_OPTIONS="suppressions=$dir/leaks.supp"
# SDL chooses its driver as in the game, so that a failed open leaves it on another one (ALSA).
SDL_AUDIODRIVER= "$tests" --gtest_filter='SoundRest.MovesAreHeard*:SoundRest.MovesGoOn*'
export SDL_AUDIODRIVER=pulseaudio
"$tests" --gtest_filter='SoundRest.WindowGives*'

# A clip of a minute, far longer than this test may take, is cut short by the server's death and
# by its freezing; and a server frozen before the audition is given up on. timeout tells a wait
# for the device's end or for libpulse's own time-out (30 s) from giving up.
pactl info >/dev/null 2>&1 || start_server
python3 - "$dir/long.wav" <<'MAKE'
import sys, wave
with wave.open(sys.argv[1], "wb") as out:
    out.setnchannels(1)
    out.setsampwidth(1)
    out.setframerate(8000)
    out.writeframes(b"\x90" * 8000 * 60)
MAKE
"$design" "$dir/form.design" player 1 --file "$dir/long.wav" >/dev/null
for cut in stop freeze; do
    status=0
    timeout 20 "$design" "$dir/form.design" play 1 2>"$dir/err" &
    player=$!
    eventually "a playback stream" \
        sh -c 'pactl list short sink-inputs | grep -q . || ! kill -0 "$0"' "$player"
    "${cut}_server"
    wait "$player" || status=$?
    case $cut in
    stop) reason="went away" ;;
    freeze) reason="stopped answering" ;;
    esac
    [ "$status" = 1 ] && [ "$(cat "$dir/err")" = \
        "varn-design: player 1: the sound device $reason during the clip" ] ||
        fail "varn-design played on after the server's $cut: status $status, $(cat "$dir/err")"
    [ $cut = stop ] && start_server
done
thaw_server
freeze_server
status=0
timeout 20 "$design" "$dir/form.design" play 1 2>"$dir/err" || status=$?
[ "$status" = 1 ] && [ "$(cat "$dir/err")" = \
    "varn-design: player 1: the sound device did not answer within 5 s" ] ||
    fail "varn-design waited on a frozen server: status $status, $(cat "$dir/err")"
thaw_server
