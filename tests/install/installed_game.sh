#!/usr/bin/env bash
# The installed game: installed into a temporary prefix (by cmake --install,
# or unpacked from the Debian package) that is then made read-only, its
# command started under a virtual X server with a fresh home shows the main
# menu, writes Settings.xml into the player's folder when it ends, and
# changes nothing under the prefix. From the Debian package, every library
# the running game loaded must come with the package's Depends. Run as
# root, the game runs as an unprivileged user, for whom read-only means
# read-only.
#
# usage: installed_game.sh SCREEN_CHECK_BINARY (--build BUILD_DIR | --deb PACKAGE)
set -euo pipefail
. "$(dirname "$0")/../smoke/wait_for_menu.sh"

if [ "${1:-}" != "--inside-x" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside-x "$@"
fi
screen_check=$2 source=$3 from=$4

work=$(mktemp -d "${TMPDIR:-/tmp}/tramox-installed-XXXXXX")
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
case $source in
  --build) prefix=$work/prefix; cmake --install "$from" --prefix "$prefix" >/dev/null ;;
  --deb) dpkg-deb -x "$from" "$work/root"; prefix=$work/root/usr ;;
  *) echo "usage: $0 SCREEN_CHECK (--build BUILD_DIR | --deb PACKAGE)" >&2; exit 2 ;;
esac
chmod -R a-w "$prefix"
manifest() { (cd "$prefix" && find . -printf '%p %y %m %s %T@ %l\n' | LC_ALL=C sort); }
before=$(manifest)

home=$work/home
mkdir "$home"
run=()
if [ "$(id -u)" -eq 0 ]; then
  chmod 755 "$work"
  chown 65534:65534 "$home"
  cp "$XAUTHORITY" "$work/Xauthority"
  chmod 644 "$work/Xauthority"
  export XAUTHORITY=$work/Xauthority
  run=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
data=$home/data
env HOME="$home" XDG_DATA_HOME="$data" "${run[@]}" "$prefix/games/tramox" >"$work/log" 2>&1 &
pid=$!
fail() {
  echo "installed game: $*" >&2
  kill -KILL "$pid" 2>/dev/null || true
  sed 's/^/  tramox: /' "$work/log" >&2
  exit 1
}

wait_for_menu "$screen_check" "$pid" "$work/screen.ppm"
if [ "$source" = --deb ]; then
  "$(dirname "$0")/dependency_closure.sh" "$from" "$pid" || fail "the package does not bring all the game loads"
fi
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status, expected 0"

folder=$data/tramox
[ -s "$folder/Settings.xml" ] || fail "no Settings.xml in the player's folder $folder"
for name in Maps Textures; do
  [ "$(readlink "$folder/$name")" = "$(cd "$prefix/share/tramox/$name" && pwd -P)" ] ||
    fail "$folder/$name does not link to the installed $name"
done
[ "$before" = "$(manifest)" ] || fail "the game changed the install prefix: $(diff <(echo "$before") <(manifest))"
echo "installed game: menu shown from $source, settings in the player's folder, prefix untouched"
