#!/usr/bin/env bash
# Runs League on a copy of a league folder and checks a race analysis page and its
# fragment as headless Chromium builds them (--dump-dom):
# - the page: a result row and a lap-times row per rider, the lapped and the retired
#   rider marked, both charts as SVG drawings with a role, a label and a line per rider;
# - the fragment pasted into a plain page of a website, in a column of 1000 pixels:
#   the page's own headings, tables and text look exactly as on the same page without
#   the fragment (the fragment's styles touch only its own elements), the fragment's
#   tables are styled, and nothing of it reaches beyond the column (wide tables scroll
#   in their own box). The plain page measures itself with a script of its own.
#
#   race_night_in_browser.sh LEAGUE_PROGRAM LEAGUE_FOLDER SEASON PAGE RIDERS
#
# PAGE is the analysis page below the output folder, without .html
# (round-01/cup_race_analysis).
set -euo pipefail
test_name=race_night_in_browser
work=$(mktemp -d "${TMPDIR:-/tmp}/race-night-browser.XXXXXX")
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/browser_checks.sh"

[ $# -eq 5 ] || fail "usage: $0 LEAGUE_PROGRAM LEAGUE_FOLDER SEASON PAGE RIDERS"
season=$3
page_stem=$4
riders=$5
run_league "$1" "$2" "$season"
page="$work/league/$season/$page_stem.html"
fragment="$work/league/$season/${page_stem}_fragment.html"
[ -f "$page" ] || fail "no page $page"
[ -f "$fragment" ] || fail "no fragment $fragment"

# The plain page measures itself with a script, which needs time to run.
render() {
  render_dom "$1" "$2" --window-size=1280,900 --virtual-time-budget=5000
}

dom="$work/page.html"
render "$page" "$dom"
check "rows of the result" "$riders" "$(element "$dom" 'class="result"' table | grep -o '<tr class="rider-row"' | wc -l)"
check "rows of all lap times" "$riders" \
  "$(element "$dom" 'class="lap-times"' table | grep -o '<tr class="rider-row"' | wc -l)"
check "a lapped rider marked" 1 "$(grep -c 'class="mark">lapped, ' "$dom")"
check "a retired rider marked" 1 "$(grep -c 'class="mark">retired after ' "$dom")"
check "drawings in the page" 2 "$(grep -o '<svg' "$dom" | wc -l)"
# The ids of the page's elements start with its path: round-01-cup_race_analysis-gap-chart.
id_prefix="${page_stem//\//-}-"
for chart in position-chart gap-chart; do
  check "$chart with role and label" 1 \
    "$(element "$dom" "id=\"$id_prefix$chart\"" svg | head -n 1 | grep -c 'role="img".*aria-label="[^"]')"
  check "lines in $chart" "$riders" "$(element "$dom" "id=\"$id_prefix$chart\"" svg | grep -c 'class="rider-line"')"
done

# A plain page of a website with headings, a table and text of its own around a column
# of 1000 pixels; the same page without the fragment is the control.
plain_page() {
  cat <<'EOF'
<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Our league</title>
<style>body { font-family: serif; font-size: 17px; color: #303030; } h2 { margin: 30px 0; }
table { border-collapse: separate; } td { padding: 9px; } p { margin: 20px 0; }</style></head>
<body>
<h2 id="host-heading">Latest news</h2>
<table id="host-table"><tr><td id="host-cell">The season goes on.</td></tr></table>
<p id="host-text">Here is the race of last night:</p>
<div id="column" style="width: 1000px">
EOF
  cat "$1"
  cat <<'EOF'
</div>
<h2 id="host-after">More news</h2>
<pre id="measured"></pre>
<script>
window.addEventListener("load", () => {
  const style = (id, properties) => properties.map(p => getComputedStyle(document.getElementById(id))[p]).join(" ");
  const text = ["fontFamily", "fontSize", "color", "marginTop", "marginBottom", "fontWeight"];
  const column = document.getElementById("column");
  const inside = column.firstElementChild;
  const table = inside ? inside.querySelector("table") : null;
  document.getElementById("measured").textContent = [
    "host " + ["host-heading", "host-text", "host-after", "host-cell"].map(id => style(id, text)).join(" / ") +
      " / " + style("host-table", ["borderCollapse", "borderTopWidth"]) + " / " + style("host-cell", ["paddingTop"]),
    "fits " + (column.scrollWidth <= 1000 && (!inside || inside.getBoundingClientRect().right <=
      column.getBoundingClientRect().right + 0.5)),
    "styled " + (table ? getComputedStyle(table).borderCollapse : "none"),
  ].join("\n");
});
</script>
</body></html>
EOF
}
: > "$work/nothing.html"
plain_page "$fragment" > "$work/with_fragment.html"
plain_page "$work/nothing.html" > "$work/without_fragment.html"
render "$work/with_fragment.html" "$work/with.dom"
render "$work/without_fragment.html" "$work/without.dom"
measured() {
  sed -n '/<pre id="measured">/,/<\/pre>/p' "$1" | sed -e 's/<\/pre>//' | sed -n "s/.*\\b$2 \\(.*\\)/\\1/p" | head -n 1
}
with_host=$(measured "$work/with.dom" host)
[ -n "$with_host" ] || fail "the plain page measured nothing: $(head -c 300 "$work/with.dom")"
check "the plain page's own elements beside the fragment" "$(measured "$work/without.dom" host)" "$with_host"
check "the fragment within the column of 1000 pixels" true "$(measured "$work/with.dom" fits)"
check "the fragment's tables styled by its own style" collapse "$(measured "$work/with.dom" styled)"

[ "$failures" -eq 0 ] || fail "$failures checks failed on $page and its fragment"
echo "race_night_in_browser: $page rendered with $riders riders, both charts; its fragment keeps to itself in a" \
  "column of 1000 pixels"
