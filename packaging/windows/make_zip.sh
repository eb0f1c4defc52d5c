#!/usr/bin/env bash
# Zips the files of a Windows game folder that its list names (one a line,
# relative to the folder) as tramox\<file>: what a local run left there, a
# player's Settings.xml say, stays out.
#
# usage: make_zip.sh GAME_DIR FILE_LIST OUT_ZIP
set -euo pipefail
game_dir=$(cd "$1" && pwd) list=$(realpath "$2") out=$(realpath -m "$3")
stage=$(mktemp -d "${TMPDIR:-/tmp}/tramox-zip-XXXXXX")
trap 'rm -rf "$stage"' EXIT
# zip stores what the link points at: the files go in under tramox\.
ln -s "$game_dir" "$stage/tramox"
while read -r file; do
  [ -f "$game_dir/$file" ] || { echo "make_zip: $game_dir/$file is missing" >&2; exit 1; }
  echo "tramox/$file"
done <"$list" >"$stage/names"
rm -f "$out"
(cd "$stage" && zip -q -X "$out" -@ <names)
