# Sourced by the Wine tests. make_wine_prefix WORK WIDTH HEIGHT makes a fresh
# Wine in $WINEPREFIX with a virtual desktop of the
# screen's size (display-mode changes work inside it, and odd modes are
# refused) and the monospaced face the game asks for. The settings are made
# inside the current X session and the server is stopped after, so that the
# next start reads them. Returns non-zero with wineboot's output on failure.
make_wine_prefix() {
  local work=$1 width=$2 height=$3
  wine wineboot -i >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log" >&2; return 1; }
  cat >"$work/session.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="${width}x${height}"

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"Courier New"="Liberation Mono"
REG
  wine regedit /S "$work/session.reg" >/dev/null 2>&1
  wineserver -k || true
  wineserver -w
}
