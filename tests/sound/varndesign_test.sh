#!/bin/bash
# varndesign_test.sh VARN_DESIGN CLIP SHIM: the design-mode host as a designer uses it: players
# made, updated and listed, files loaded or not (also a few bytes at a time, through SHIM), bad
# usage and damaged designs, players auditioned through SDL's disk device or refused with a
# reason, each with its exit status.
design=$1
clip=$2
shim=$3
. "$(dirname "$0")/../support/harness.sh"

# run STATUS ARGS...: runs varn-design, which must end with STATUS; its output is in out and err.
run() {
    local want=$1
    shift
    local got=0
    "$design" "$@" >"$dir/out" 2>"$dir/err" || got=$?
    [ "$got" = "$want" ] || fail "varn-design $*: status $got, not $want: $(cat "$dir/err")"
}

# holds FILE TEXT: the file holds exactly TEXT.
holds() {
    printf '%s' "$2" >"$dir/expected"
    diff -u "$dir/expected" "$1" >&2 || fail "$1 differs from what is expected"
}

form="$dir/form.design"
head -c 10262 /dev/zero >"$dir/zeros.wav"
named="$dir/q\"\\	.wav"  # a quote, a backslash and a tab
printf 123456789 >"$named"

run 0 "$form" player 1 --sync --file "$dir/zeros.wav"
holds "$dir/out" "Success
File $dir/zeros.wav was successfully embed."$'\r'"
File Size : 11 KB.
"
run 0 "$form" player 2 --loop --stop --file "$named"
# A design's bytes as every version has written them, and so must read them.
run 0 "$dir/one.design" player 4
[ "$(od -An -tx1 -v "$dir/one.design" | tr -d ' \n')" = 5661726e4473676e0001000000010000000f5661726e2e456d626564536f756e6400000004000001e0000001e000000001000000066d656d77617604ffffffff ] ||
    fail "the saved format changed: $(od -An -tx1 -v "$dir/one.design")"
run 0 "$form" player 2 --no-loop
run 0 "$form" player 4
holds "$dir/out" ""
run 1 "$form" player 1 --file "$dir/missing.wav"
holds "$dir/out" "EmbedSound Error
An error occured."$'\r'"
File not found
"
run 0 "$form" show
holds "$dir/out" "instance 1: Varn.EmbedSound, extent 480 x 480 twips
  sndfile: text \"$dir/missing.wav\"
  syncsnd: boolean True
  memwav: bytes 10263 elements, CRC-32 6a023e49
instance 2: Varn.EmbedSound, extent 480 x 480 twips
  sndfile: text \"$dir/q\\\"\\\\\\x09.wav\"
  stopsnd: boolean True
  memwav: bytes 10 elements, CRC-32 00c49e49
instance 4: Varn.EmbedSound, extent 480 x 480 twips
  memwav: bytes 0 elements, CRC-32 00000000
"

# Loading: the size in the box is whole kilobytes plus one; a failed load keeps the clip.
for size in 1:1 1023:1 1024:2 2048:3; do
    bytes=${size%:*}
    head -c "$bytes" /dev/urandom >"$dir/sized.wav"
    run 0 "$form" player 6 --file "$dir/sized.wav"
    [ "$(tail -n 1 "$dir/out")" = "File Size : ${size#*:} KB." ] || fail "size $bytes: $(cat "$dir/out")"
    run 0 "$form" show
    grep -A 3 '^instance 6:' "$dir/out" | grep -q "memwav: bytes $((bytes + 1)) elements" ||
        fail "a file of $bytes bytes was not loaded whole: $(cat "$dir/out")"
done
# Read four bytes at a time, as a network folder may give them, the clip is whole (shown below).
LD_PRELOAD=$shim VARN_SHORT_READS=4 ASAN_OPTIONS=${ASAN_OPTIONS:-}:verify_asan_link_order=0 \
    run 0 "$form" player 6 --file "$named"
mkfifo "$dir/pipe"
: >"$dir/empty.wav"
while IFS='|' read -r path reason; do
    case $path in /proc/* | /sys/*) [ -e "$path" ] || continue ;; esac
    run 1 "$form" player 6 --file "$path"
    holds "$dir/out" "EmbedSound Error
An error occured."$'\r'"
$reason
"
done <<CASES
$dir/missing.wav|File not found
|File not found
$dir|Path/File access error
$dir/pipe|Path/File access error
$dir/empty.wav|
/proc/self/status|
/sys/devices/system/cpu/online|Input past end of file
CASES
run 0 "$form" show
grep -A 3 '^instance 6:' "$dir/out" | grep -q 'memwav: bytes 10 elements, CRC-32 00c49e49' ||
    fail "a failed load changed the clip: $(cat "$dir/out")"

# Auditioning: the clip reaches the device (two seconds of the 22.05 kHz mono clip take 40712
# bytes at the 44.1 kHz stereo device), and what cannot be played is said in one line.
run 0 "$form" player 3 --file "$clip"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$dir/device.raw" run 0 "$form" play 3
[ "$(tr -d '\000' <"$dir/device.raw" | wc -c)" -gt 20000 ] && [ "$(wc -c <"$dir/device.raw")" -ge 40712 ] ||
    fail "the clip did not reach the device"
export SDL_AUDIODRIVER=dummy
run 1 "$form" play 4
holds "$dir/err" "varn-design: player 4 has no clip
"
run 1 "$form" play 2
holds "$dir/err" "varn-design: player 2: not a RIFF/WAVE image
"
SDL_AUDIODRIVER=none run 1 "$form" play 3
grep -q '^varn-design: player 3: no sound device' "$dir/err" || fail "no reason without a device"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$dir/missing/device.raw" run 1 "$form" play 3
grep -q '^varn-design: player 3: no sound device' "$dir/err" || fail "a device that fails to open"
run 2 "$form" play 5

while read -r args; do
    eval "run 2 \"\$dir/none.design\" $args"
    grep -q usage "$dir/err" || fail "no usage for: $args"
done <<'CASES'

player
player x
player -1
player 40000
player 1 --file
player 1 --shout
show more
play
play x
play 1 2
CASES
[ ! -e "$dir/none.design" ] || fail "bad usage wrote a design"
run 2 "$dir/none.design" show

head -c -10 "$form" >"$dir/cut.design"
cp "$dir/cut.design" "$dir/before"
for command in "player 1 --sync" "show" "play 3"; do
    run 2 "$dir/cut.design" $command
    grep -q "damaged design data" "$dir/err" || fail "$command: $(cat "$dir/err")"
done
cmp -s "$dir/cut.design" "$dir/before" || fail "a damaged design was overwritten"

