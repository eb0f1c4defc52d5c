#!/usr/bin/env bash
# Measures the browser build in build/web/ (made by scripts/web): its
# download size, plain and gzipped, and in headless Chromium the time to the
# first frame and to the first frame of the main menu, and level 1's frames.
# usage: bench/web/measure.sh BUTTON_POINT     (tramox_button_point of a host build)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
page="$root/build/web"
. "$root/tests/web/node_setup.sh"
echo "| File | Bytes | Gzipped (-9) |"
echo "|---|---|---|"
total=0 total_gz=0
for file in tramox.wasm tramox.js tramox.data index.html; do
  bytes=$(stat -c %s "$page/$file")
  gz=$(gzip -9 -c "$page/$file" | wc -c)
  total=$((total + bytes)) total_gz=$((total_gz + gz))
  echo "| $file | $bytes | $gz |"
done
echo "| all | $total | $total_gz |"
echo
cp "$root/bench/web/measure.mjs" "$root/tests/web/page_server.mjs" "$web_node_dir/"
node "$web_node_dir/measure.mjs" "$page" "$(realpath "$1")"
