#!/usr/bin/env bash
# Renders a charts page in headless Chromium and checks the document as the browser
# built it (--dump-dom): both charts are SVG drawings with a role and a label, each
# has one line per rider, each legend one row per rider, and the line of the rider
# who retired ends at their last lap in both charts.
#
#   charts_page_in_browser.sh --page PAGE RIDERS LAPS RETIRED_NUMBER RETIRED_LAPS
#   charts_page_in_browser.sh --quorrin QUORRIN LEAGUE ANSWERS RIDERS LAPS RETIRED_NUMBER RETIRED_LAPS
#
# With --quorrin, QUORRIN --charts runs in a copy of the league folder LEAGUE with the
# answers in ANSWERS, and the page checked is <first answer>_charts.html.
set -euo pipefail
test_name=charts_page_in_browser
work=$(mktemp -d "${TMPDIR:-/tmp}/charts-browser.XXXXXX")
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/browser_checks.sh"

mode=${1:-}
case "$mode" in
  --page)
    [ $# -eq 6 ] || fail "usage: $0 --page PAGE RIDERS LAPS RETIRED_NUMBER RETIRED_LAPS"
    page=$2
    shift 2
    ;;
  --quorrin)
    [ $# -eq 8 ] || fail "usage: $0 --quorrin QUORRIN LEAGUE ANSWERS RIDERS LAPS RETIRED_NUMBER RETIRED_LAPS"
    quorrin=$(realpath "$2")
    answers=$(realpath "$4")
    cp -R "$3" "$work/league"
    replay=$(head -n 1 "$answers" | tr -d '\r')
    (cd "$work/league" && "$quorrin" --charts < "$answers" > "$work/console.txt" 2>&1) ||
      fail "Quorrin --charts ended with status $?: $(tail -n 5 "$work/console.txt")"
    page="$work/league/${replay}_charts.html"
    shift 4
    ;;
  *)
    fail "usage: $0 --page PAGE ... | --quorrin QUORRIN LEAGUE ANSWERS ..."
    ;;
esac
riders=$1
laps=$2
retired=$3
retiredLaps=$4

[ -f "$page" ] || fail "no page $page"
dom="$work/dom.html"
render_dom "$page" "$dom"

# The number of points of the line of one rider in one chart.
linePoints() {
  element "$dom" "id=\"$1\"" svg | grep -F 'class="rider-line"' | grep -F "data-start-number=\"$2\"" |
    sed -E 's/.* points="([^"]*)".*/\1/' | wc -w
}

check "drawings in the page" 2 "$(grep -o '<svg' "$dom" | wc -l)"
for chart in position-chart gap-chart; do
  check "$chart with role and label" 1 \
    "$(element "$dom" "id=\"$chart\"" svg | head -n 1 | grep -c 'role="img".*aria-label="[^"]')"
  check "lines in $chart" "$riders" "$(element "$dom" "id=\"$chart\"" svg | grep -c 'class="rider-line"')"
  check "points of #$retired in $chart" "$retiredLaps" "$(linePoints "$chart" "$retired")"
done
for legend in position-legend gap-legend; do
  check "rows of $legend" "$riders" "$(element "$dom" "id=\"$legend\"" table | grep -c '<tr class="rider-row"')"
done
check "points of the longest line" "$laps" "$(element "$dom" 'id="position-chart"' svg | most_line_points)"

[ "$failures" -eq 0 ] || fail "$failures checks failed on $page"
echo "charts_page_in_browser: $page rendered: 2 charts, $riders lines and legend rows each, #$retired ends after lap $retiredLaps"
