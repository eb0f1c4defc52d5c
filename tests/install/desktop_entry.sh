#!/usr/bin/env bash
# The menu entry: the game installed into a prefix whose path holds spaces
# and started through its entry as a desktop does (gio launch, which applies
# the entry's quoting rules) opens its window, and the window's class is the
# entry's StartupWMClass, so docks show it under the entry's icon.
#
# usage: desktop_entry.sh BUILD_DIR
set -euo pipefail

if [ "${1:-}" != "--inside-x" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside-x "$@"
fi
build=$2

work=$(mktemp -d "${TMPDIR:-/tmp}/tramox-entry-XXXXXX")
pid=""
trap '[ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() {
  echo "desktop entry: $*" >&2
  sed 's/^/  /' "$work/log" >&2
  exit 1
}
prefix="$work/games \"of\" mine"
cmake --install "$build" --prefix "$prefix" >"$work/log"
entry=$(find "$prefix/share/applications" -name '*.desktop')
class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$class" ] || fail "$(basename "$entry") names no StartupWMClass"

mkdir "$work/home"
HOME=$work/home XDG_DATA_HOME=$work/home/data SDL_AUDIODRIVER=dummy gio launch "$entry" >"$work/log" 2>&1 ||
  fail "gio launch failed: $(grep '^Exec=' "$entry")"
deadline=$((SECONDS + 60))
until window=$(xdotool search --limit 1 --name '^Tramox$' 2>/dev/null); do
  [ "$SECONDS" -lt "$deadline" ] || fail "no game window from $(grep '^Exec=' "$entry")"
  sleep 0.5
done
pid=$(xprop -id "$window" _NET_WM_PID | sed -n 's/.* = //p')
[ -n "$pid" ] || fail "the window names no process"

shown=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = //p')
[ "$shown" = "\"$class\", \"$class\"" ] || fail "the window's class is $shown, the entry's $class"

kill -TERM "$pid"
timeout 30 tail --pid="$pid" -f /dev/null || fail "still running 30 s after SIGTERM"
pid=""
echo "desktop entry: started from a prefix with a space and quotes, window class $class"
