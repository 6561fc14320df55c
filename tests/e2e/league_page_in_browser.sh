#!/usr/bin/env bash
# Runs League on a copy of a league folder and checks index.html as headless Chromium
# builds it (--dump-dom): the standings table has one row per rider, and both charts
# (points after each round, standing after each round) are SVG drawings with a role
# and a label, a line per rider and a point per held round on the leader's line.
#
#   league_page_in_browser.sh LEAGUE_PROGRAM LEAGUE_FOLDER SEASON RIDERS ROUNDS
#
# The browser is `chromium` (Debian package chromium), or $CHROMIUM.
set -euo pipefail

fail() {
  echo "league_page_in_browser: $*" >&2
  exit 1
}

[ $# -eq 5 ] || fail "usage: $0 LEAGUE_PROGRAM LEAGUE_FOLDER SEASON RIDERS ROUNDS"
league=$(realpath "$1")
season=$3
riders=$4
rounds=$5
work=$(mktemp -d "${TMPDIR:-/tmp}/league-browser.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp -R "$2" "$work/league"
(cd "$work/league" && "$league" "$season" < /dev/null > "$work/console.txt" 2>&1) ||
  fail "League ended with status $?: $(tail -n 5 "$work/console.txt")"
page="$work/league/$season/index.html"
[ -f "$page" ] || fail "no page $page"

chromium=${CHROMIUM:-chromium}
command -v "$chromium" > /dev/null ||
  fail "$chromium is not installed (Debian package chromium; scripts/test.sh installs it)"
timeout 120 "$chromium" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$work/profile" --dump-dom "file://$page" \
  > "$work/dom.html" 2> "$work/chromium.log" ||
  fail "chromium could not render $page: $(tail -n 5 "$work/chromium.log")"

dom="$work/dom.html"
failures=0
check() {
  local what=$1 expected=$2 actual=$3
  if [ "$expected" != "$actual" ]; then
    echo "league_page_in_browser: $what: expected $expected, found $actual" >&2
    failures=$((failures + 1))
  fi
}

# The lines of the document from the element with the given id to its end tag.
element() {
  awk -v from="id=\"$1\"" -v till="</$2>" \
    'index($0, from) { inside = 1 } inside { print } inside && index($0, till) { exit }' "$dom"
}

check "rows of the standings" "$riders" "$(element standings table | grep -o '<tr class="rider-row"' | wc -l)"
check "drawings in the page" 2 "$(grep -o '<svg' "$dom" | wc -l)"
for chart in points-chart standing-chart; do
  check "$chart with role and label" 1 \
    "$(element "$chart" svg | head -n 1 | grep -c 'role="img".*aria-label="[^"]')"
  check "lines in $chart" "$riders" "$(element "$chart" svg | grep -c 'class="rider-line"')"
  check "points of the longest line in $chart" "$rounds" "$(element "$chart" svg | grep -F 'class="rider-line"' |
    sed -E 's/.* points="([^"]*)".*/\1/' | awk '{ if (NF > most) most = NF } END { print most + 0 }')"
done

[ "$failures" -eq 0 ] || fail "$failures checks failed on $page"
echo "league_page_in_browser: $page rendered: $riders riders in the standings, 2 charts of $riders lines over $rounds rounds"
