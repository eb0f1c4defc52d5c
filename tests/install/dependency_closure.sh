#!/usr/bin/env bash
# Every shared library a running program has mapped (the ones SDL opens at
# run time too: the GL loader, the driver, the sound libraries) belongs to a
# Debian package that the package's Depends bring, directly or through their
# own Depends. Otherwise installing the package on a minimal system succeeds
# and the game cannot start.
#
# usage: dependency_closure.sh PACKAGE PID
set -euo pipefail
deb=$1 pid=$2

libraries=$(awk '$6 ~ /\.so(\.[0-9]+)*$/ { print $6 }' "/proc/$pid/maps" | LC_ALL=C sort -u)
[ -n "$libraries" ] || { echo "dependency closure: no libraries mapped by process $pid" >&2; exit 1; }

# The packages Depends names, alternatives included, and all they depend on.
named=$(dpkg-deb -f "$deb" Depends | tr ',|' '\n\n' | sed 's/([^)]*)//; s/[[:space:]]//g' | grep .)
# shellcheck disable=SC2086
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
            --no-replaces --no-enhances $named | sed -n 's/^<\{0,1\}\([^ <>]*\)>\{0,1\}$/\1/p' | LC_ALL=C sort -u)

# The packages that installed each file, asked in one go: "pkg[, pkg]: path"
# lines. The loader may name a file through the merged /usr while its
# package lists it under /lib, or the other way, so both are asked.
owners=$(while read -r library; do printf '%s\n' "$library" "${library#/usr}" "/usr$library"; done <<<"$libraries" |
           xargs dpkg -S 2>/dev/null | sed 's/:[a-z0-9]*\(,\|: \)/\1/g' || true)

missing=$(closure=$closure owners=$owners awk '
  BEGIN {
    n = split(ENVIRON["closure"], names, "\n"); for (i = 1; i <= n; i++) brought[names[i]] = 1
    n = split(ENVIRON["owners"], lines, "\n")
    for (i = 1; i <= n; i++) { split(lines[i], field, ": "); from[field[2]] = field[1] }
  }
  {
    merged = $0; sub(/^\/usr/, "", merged)
    packages = ($0 in from) ? from[$0] : (merged in from) ? from[merged] : from["/usr" $0]
    if (packages == "") { print $0 " is from no package"; next }
    n = split(packages, each, ", "); found = 0
    for (i = 1; i <= n; i++) if (each[i] in brought) found = 1
    if (!found) print $0 " is from " packages ", which Depends does not bring"
  }' <<<"$libraries")
if [ -n "$missing" ]; then
  sed 's/^/dependency closure: /' <<<"$missing" >&2
  echo "dependency closure: Depends is $(dpkg-deb -f "$deb" Depends)" >&2
  exit 1
fi
echo "dependency closure: the $(wc -l <<<"$libraries") libraries the game loaded come from packages its Depends bring"
