#!/usr/bin/env bash
# Runs League on a copy of a league folder and checks index.html as headless Chromium
# builds it (--dump-dom): the standings table has one row per rider, and both charts
# (points after each round, standing after each round) are SVG drawings with a role
# and a label, a line per rider and a point per held round on the leader's line; each
# class of CLASSES ("Pro:9 Am:16", its name and riders) has a table of its own with a
# row per rider and a points chart with a line per rider.
#
#   league_page_in_browser.sh LEAGUE_PROGRAM LEAGUE_FOLDER SEASON RIDERS ROUNDS [CLASSES]
set -euo pipefail
test_name=league_page_in_browser
work=$(mktemp -d "${TMPDIR:-/tmp}/league-browser.XXXXXX")
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/browser_checks.sh"

[ $# -eq 5 ] || [ $# -eq 6 ] || fail "usage: $0 LEAGUE_PROGRAM LEAGUE_FOLDER SEASON RIDERS ROUNDS [CLASSES]"
season=$3
riders=$4
rounds=$5
classes=${6:-}
run_league "$1" "$2" "$season"
page="$work/league/$season/index.html"
[ -f "$page" ] || fail "no page $page"
dom="$work/dom.html"
render_dom "$page" "$dom"

check "rows of the standings" "$riders" "$(element "$dom" 'id="standings"' table | grep -o '<tr class="rider-row"' | wc -l)"
class_count=$(wc -w <<< "$classes")
check "drawings in the page" $((2 + class_count)) "$(grep -o '<svg' "$dom" | wc -l)"
for class in $classes; do
  name=${class%%:*}
  members=${class#*:}
  check "rows of the $name standings" "$members" \
    "$(element "$dom" "id=\"standings-$name\"" table | grep -o '<tr class="rider-row"' | wc -l)"
  check "lines in the $name points chart" "$members" \
    "$(element "$dom" "id=\"standings-$name-points-chart\"" svg | grep -c 'class="rider-line"')"
done
for chart in points-chart standing-chart; do
  check "$chart with role and label" 1 \
    "$(element "$dom" "id=\"$chart\"" svg | head -n 1 | grep -c 'role="img".*aria-label="[^"]')"
  check "lines in $chart" "$riders" "$(element "$dom" "id=\"$chart\"" svg | grep -c 'class="rider-line"')"
  check "points of the longest line in $chart" "$rounds" "$(element "$dom" "id=\"$chart\"" svg | most_line_points)"
done

[ "$failures" -eq 0 ] || fail "$failures checks failed on $page"
echo "league_page_in_browser: $page rendered: $riders riders in the standings, 2 charts of $riders lines over $rounds rounds"
