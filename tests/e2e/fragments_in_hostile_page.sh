#!/usr/bin/env bash
# Runs League on a copy of a league folder and pastes each kind of fragment (the
# standings, a round, a qualifying, a race analysis) into the page of a website whose
# style sheet would restyle it: a dark theme, striped rows, uppercase headers, a serif
# font, tables at full width, wide padding in cells, headings in the site's colours,
# every box sized by its border, and rules for svg drawings and their texts. Headless
# Chromium computes the styles of the fragment's headings, paragraphs, lists, tables,
# headers, cells, notes, marks, swatches, drawings and chart texts in that page and in
# League's stand-alone page of the same content; each must be equal, property by
# property. Both pages carry a script of the test that reads getComputedStyle.
#
#   fragments_in_hostile_page.sh LEAGUE_PROGRAM LEAGUE_FOLDER SEASON
#   fragments_in_hostile_page.sh --page FRAGMENT > page.html
#
# The second form writes the hostile page around a fragment and measures nothing (the
# README's pictures of a fragment in a dark site are made from it).
set -euo pipefail
test_name=fragments_in_hostile_page

# Each kind of fragment and its stand-alone page, below the output folder.
pages="standings_fragment.html:index.html
round-01_fragment.html:round-01.html
round-01/qualifying_fragment.html:round-01/qualifying.html
round-01/cup_race_analysis_fragment.html:round-01/cup_race_analysis.html"

# Writes into <pre id="measured"> a line per element of each kind inside the fragment's
# root: its computed styles. The root's margins are left out: they centre it in
# whatever holds it.
measuring_script() {
  cat <<'EOF'
<pre id="measured"></pre>
<script>
window.addEventListener("load", () => {
  const root = document.querySelector(".korvex-league");
  const kinds = ["h1", "h2", "h3", "p", "ul", "li", "small", "span.mark", "span.swatch", "div.scroll",
    "div.chart", "table", "thead tr th", "tbody tr:nth-child(-n+3) td", "tr.grid-start td", "td.dropped",
    "td.total", "td.name", "td.reason", "td.lap", "svg", "svg text", "svg text[font-style]", "svg text[stroke]"];
  const box = ["display", "box-sizing", "width", "height", "min-width", "max-width", "padding-top",
    "padding-right", "padding-bottom", "padding-left", "border-top", "border-right", "border-bottom",
    "border-left", "border-radius", "box-shadow", "background-color", "background-image", "vertical-align",
    "overflow-x", "list-style-type", "opacity"];
  const text = ["color", "font-family", "font-size", "font-weight", "font-style", "line-height",
    "text-transform", "letter-spacing", "word-spacing", "text-align", "text-indent", "text-decoration-line",
    "text-shadow", "white-space", "fill", "stroke"];
  const margins = ["margin-top", "margin-right", "margin-bottom", "margin-left"];
  const line = (name, element, properties) => name + ": " + properties.map(p =>
    p + " " + getComputedStyle(element).getPropertyValue(p)).join("; ");
  const lines = [line("root", root, box.concat(text))];
  for (const kind of kinds) {
    [...root.querySelectorAll(kind)].slice(0, 30).forEach((element, i) =>
      lines.push(line(kind + " " + i, element, box.concat(text, margins))));
  }
  document.getElementById("measured").textContent = lines.join("\n");
});
</script>
EOF
}

# The page of a website with rules for every element that a fragment holds, in the
# forms that sites use: element rules, structural rules (striped rows) and rules of
# one class, around a column wide enough for the fragment at its full width.
hostile_page() {
  cat <<'EOF'
<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Our league</title>
<style>
*, *::before, *::after { box-sizing: border-box; }
body { background: #16181d; color: #e6e6e6; font-family: Georgia, serif; font-size: 18px; line-height: 1.9;
  letter-spacing: 0.02em; word-spacing: 2px; text-align: justify; }
.post { width: 1400px; margin: 0 auto; padding: 24px; }
h1, h2, h3 { color: #f0a030; font-family: Impact, serif; font-size: 40px; font-weight: 300; font-style: italic;
  text-transform: uppercase; letter-spacing: 0.1em; border-bottom: 2px solid #f0a030; padding: 10px 0;
  margin: 40px 0; background: #222222; text-align: center; line-height: 3; }
.post h2 { color: #66ccff; }
p { margin: 30px 0; line-height: 2.2; font-style: italic; text-indent: 2em; color: #cccccc; }
a { color: #ff66cc; text-decoration: none; }
div { padding: 6px; margin: 4px; border: 1px dotted #444444; }
ul { list-style: square; padding: 0; margin: 30px; }
li { margin: 12px 0; padding-left: 10px; color: #cccccc; line-height: 2; }
table { width: 100%; border-collapse: separate; border-spacing: 4px; background: #1c1f24; font-size: 20px;
  margin: 40px 0; border: 2px solid #555555; }
thead, tbody { background: #101010; color: #ffffff; }
tr { background: #202020; }
tr:nth-child(even) { background: #2a2d33; }
th { text-transform: uppercase; background: #30343c; color: #ffffff; letter-spacing: 0.2em; font-weight: 900;
  text-align: right; padding: 15px; border: 3px dashed #888888; font-family: serif; vertical-align: bottom; }
td { padding: 20px; border: none; color: #dddddd; text-align: right; vertical-align: top; white-space: normal;
  font-family: serif; font-size: 18px; line-height: 2; width: 120px; }
tr:nth-child(even) td { background: #22252b; }
tbody tr:nth-child(odd) td { background: #1b1d22; color: #eeeeee; }
.post td { font-weight: 600; }
small { font-size: 70%; display: inline; color: #999999; text-transform: uppercase; }
span { font-weight: bold; color: #ffff00; display: inline; padding: 2px 6px; border-radius: 4px; }
svg { background: #000000; max-width: 50%; border: 1px solid #ff0000; fill: currentColor; height: 40px; }
text { fill: #eeeeee; font-family: serif; font-size: 20px; font-weight: bold; font-style: normal;
  letter-spacing: 2px; text-transform: uppercase; stroke: none; }
</style></head>
<body>
<h1>Our league</h1>
<article class="post">
<h2>Latest results</h2>
<p>Here are the results of last night:</p>
EOF
  cat "$1"
  echo "</article>"
  measuring_script
  echo "</body></html>"
}

measured() {
  sed -n '/<pre id="measured">/,/<\/pre>/p' "$1" | sed -e 's/^<pre id="measured">//' -e 's/<\/pre>.*//'
}

if [ "${1:-}" = --page ] && [ $# -eq 2 ]; then
  measuring_script() { :; }
  hostile_page "$2"
  exit 0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/hostile-page.XXXXXX")
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/browser_checks.sh"

[ $# -eq 3 ] || fail "usage: $0 LEAGUE_PROGRAM LEAGUE_FOLDER SEASON"
season=$3
run_league "$1" "$2" "$season"
output="$work/league/$season"

while IFS=: read -r fragment page; do
  [ -f "$output/$fragment" ] || fail "no fragment $fragment"
  [ -f "$output/$page" ] || fail "no page $page"
  # The stand-alone page with the measuring script before its end.
  stem=${page//\//-}
  measuring_script > "$work/script.html"
  awk -v script="$work/script.html" '/<\/body>/ { while ((getline line < script) > 0) print line } { print }' \
    "$output/$page" > "$work/measured-$stem"
  hostile_page "$output/$fragment" > "$work/hostile-$stem"
  render_dom "$work/measured-$stem" "$work/alone.dom" --window-size=1600,1200 --virtual-time-budget=3000
  render_dom "$work/hostile-$stem" "$work/hostile.dom" --window-size=1600,1200 --virtual-time-budget=3000
  measured "$work/alone.dom" > "$work/alone.txt"
  measured "$work/hostile.dom" > "$work/hostile.txt"
  [ "$(wc -l < "$work/alone.txt")" -gt 20 ] || fail "$page measured nothing: $(head -c 300 "$work/alone.dom")"
  check "elements measured in $fragment" "$(wc -l < "$work/alone.txt")" "$(wc -l < "$work/hostile.txt")"
  if ! cmp -s "$work/alone.txt" "$work/hostile.txt"; then
    echo "$test_name: $fragment in the hostile page differs from $page:" >&2
    # The first elements that differ, with the properties that differ.
    paste -d '\n' "$work/alone.txt" "$work/hostile.txt" | awk -F '; ' '
      NR % 2 == 1 { split($0, alone, "; "); next }
      $0 != previous {
        line = ""
        for (i = 1; i <= NF; i++) if ($i != alone[i]) line = line "\n    " alone[i] " | " $i
        if (line != "" && shown++ < 6) print "  " substr(alone[1], 1, index(alone[1], ":") - 1) ":" line
      }' >&2
    failures=$((failures + 1))
  fi
done <<< "$pages"

[ "$failures" -eq 0 ] || fail "$failures checks failed"
echo "fragments_in_hostile_page: the standings, round, qualifying and race analysis fragments look in a hostile" \
  "page as their stand-alone pages, element by element"
