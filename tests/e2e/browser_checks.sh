# What the browser tests share, sourced by each of them: running League on a copy of a
# league folder, rendering a page in headless Chromium (--dump-dom: the document as the
# browser built it), and counting what the document holds. The sourcing script sets
# `test_name` (for its messages) and `work` (a folder of its own, removed at its exit).
# The browser is `chromium` (Debian package chromium), or $CHROMIUM.

fail() {
  echo "$test_name: $*" >&2
  exit 1
}

# Runs the League program $1 on a copy of the league folder $2 (into $work/league) with
# the season $3; the output folder is $work/league/$3.
run_league() {
  local league
  league=$(realpath "$1")
  cp -R "$2" "$work/league"
  (cd "$work/league" && "$league" "$3" < /dev/null > "$work/console.txt" 2>&1) ||
    fail "League ended with status $?: $(tail -n 5 "$work/console.txt")"
}

chromium=${CHROMIUM:-chromium}

# Renders the page $1 into the document $2; further arguments are Chromium options. The
# flags let Chromium run headless in a container without touching the network or a
# profile of its own.
render_dom() {
  local page=$1 dom=$2
  shift 2
  command -v "$chromium" > /dev/null ||
    fail "$chromium is not installed (Debian package chromium; scripts/test.sh installs it)"
  timeout 120 "$chromium" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync "$@" \
    --user-data-dir="$work/profile" --dump-dom "file://$(realpath "$page")" \
    > "$dom" 2> "$work/chromium.log" ||
    fail "chromium could not render $page: $(tail -n 5 "$work/chromium.log")"
}

failures=0
check() {
  local what=$1 expected=$2 actual=$3
  if [ "$expected" != "$actual" ]; then
    echo "$test_name: $what: expected $expected, found $actual" >&2
    failures=$((failures + 1))
  fi
}

# The lines of the document $1 from the element whose start tag holds $2 (such as
# 'id="gap-chart"') to its end tag </$3>.
element() {
  awk -v from="$2" -v till="</$3>" \
    'index($0, from) { inside = 1 } inside { print } inside && index($0, till) { exit }' "$1"
}

# The most points of one line among the lines of a chart (from `element`) on input.
most_line_points() {
  grep -F 'class="rider-line"' | sed -E 's/.* points="([^"]*)".*/\1/' |
    awk '{ if (NF > most) most = NF } END { print most + 0 }'
}
