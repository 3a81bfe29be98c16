#!/bin/sh
# clips_test.sh VARN_MAKE_CLIPS CLIP_DIRECTORY: the synthesiser still makes exactly the clips that
# are checked in and built into the game.
set -eu
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$1" "$dir"
for clip in varn1.wav varn2.wav varn3.wav; do
    cmp "$dir/$clip" "$2/$clip"
done
