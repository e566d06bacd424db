#!/bin/sh
# window-shots.sh BUILD FOLDER: every window of the tree built in BUILD drawn into FOLDER;
# window-shots.sh --compare BEFORE AFTER: says which windows differ, pixel by pixel, and whose
# Tab walk changed.
set -eu
if [ "$1" = "--compare" ]; then
    status=0
    for before in "$2"/*.png; do
        name=$(basename "$before")
        if [ ! -f "$3/$name" ]; then
            echo "$name: missing"; status=1; continue
        fi
        differing=$(compare -metric AE "$before" "$3/$name" null: 2>&1 || true)
        echo "$name: $differing pixels differ"
        [ "$differing" = "0" ] || status=1
        walk=${name%.png}.tabs
        if ! cmp -s "$2/$walk" "$3/$walk"; then
            echo "$walk: the Tab walk differs"; status=1
        fi
    done
    exit $status
fi
cmake --build "$1" --target window_shots
"$1/bin/window_shots" "$2"
