#!/usr/bin/env bash
# Runs the browser test (browser_test.mjs) on a built page.
# usage: browser_test.sh PAGE_DIR BUTTON_POINT DESKTOP_SETTINGS
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/node_setup.sh"
# Node finds playwright-core beside the script it runs.
cp "$here/browser_test.mjs" "$here/page_server.mjs" "$web_node_dir/"
exec node "$web_node_dir/browser_test.mjs" "$(realpath "$1")" "$(realpath "$2")" "$(realpath "$3")" \
  "$here/../../docs/screenshots/main-menu.png"
