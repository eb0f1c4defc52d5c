# Sourced by the scripts that drive the browser build: installs
# playwright-core from the committed lockfile into build/web-test (the
# system's Chromium is the browser; none is downloaded) and sets web_node_dir.
web_node_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/web-test"
web_lock="$(dirname "${BASH_SOURCE[0]}")/package-lock.json"
mkdir -p "$web_node_dir"
if ! cmp -s "$web_lock" "$web_node_dir/package-lock.json" || [ ! -d "$web_node_dir/node_modules/playwright-core" ]; then
  cp "$(dirname "${BASH_SOURCE[0]}")/package.json" "$web_lock" "$web_node_dir/"
  (cd "$web_node_dir" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error >/dev/null)
fi
