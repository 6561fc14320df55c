#!/usr/bin/env bash
# Checks that the documentation points at nothing that is not there:
#
#   readme_links.sh FILE.md...
#       the files as they are in the repository
#   readme_links.sh --install BUILD SOURCE linux|windows
#       the release tree that `cmake --install BUILD` makes, in a fresh folder: its
#       README.md, docs/*.md and README.html
#
# - Every relative link and picture of a Markdown file leads to a file.
# - Every path that README.md names in backticks, or as a word with a '/' or '\' in an
#   indented or fenced code block, leads to a file or folder, when it is one of the
#   project's: its first part is a file or folder at the top of the repository or beside
#   the README in the release tree (`examples/league`, but not the simulator's
#   `exports\` or `C:\LeagueTools`). Backslashes count as '/'.
# - Every link and picture of README.html leads to a file, and every link to a place
#   in it (#name) to a heading of that id.
#
# A path or link of README.md need not be in a release tree when its sentence says
# where it is instead: "source repository" (in the repository only), "zip" (in the
# Windows zip, not in the Linux archive), "Linux archive" (not in the Windows zip). For
# a path in a code block, that is the sentence just before the block.
# Web addresses and links to places in the same file are not files.
set -euo pipefail

fail=0
problem() {
  echo "$*" >&2
  fail=1
}

# The links, pictures and named paths of a Markdown file, one per line as
#   KIND<TAB>PATH<TAB>PLACES
# KIND is "link" or "path"; PLACES is where the sentence allows it to be missing from:
# any of "linux" and "windows". A sentence ends at '.', '!' or '?' and a space, at a
# table cell's border, and with its paragraph, list item or heading. A code block is
# fenced (``` or ~~~), or indented by four columns more than the list item it is in,
# after a blank line; its words that hold '/' or '\' are paths, with the places of the
# sentence before it.
namedPaths() {
  awk '
    function placesOf(sentence,    lower) {
      lower = tolower(sentence)
      if (index(lower, "source repository")) return "linux windows"
      if (lower ~ /(^|[^a-z])zip([^a-z]|$)/) return "linux"
      if (index(lower, "linux archive")) return "windows"
      return ""
    }
    function flush(    text, n, i, c, inCode, sentence) {
      text = unit " "
      unit = ""
      inCode = 0
      sentence = ""
      n = length(text)
      for (i = 1; i <= n; i++) {
        c = substr(text, i, 1)
        if (c == "`") inCode = !inCode
        sentence = sentence c
        if (!inCode && (c == "|" || (c ~ /[.!?]/ && substr(text, i + 1, 1) == " "))) {
          emit(sentence)
          sentence = ""
        }
      }
      emit(sentence)
    }
    function emit(sentence,    places, rest, item) {
      places = placesOf(sentence)
      if (sentence ~ /[^[:space:]]/) placesBefore = places
      rest = sentence
      while (match(rest, /`[^`]*`/)) {
        item = substr(rest, RSTART + 1, RLENGTH - 2)
        printf "path\t%s\t%s\n", item, places
        rest = substr(rest, RSTART + RLENGTH)
      }
      rest = sentence
      while (match(rest, /\]\([^)]*\)/)) {
        item = substr(rest, RSTART + 2, RLENGTH - 3)
        printf "link\t%s\t%s\n", item, places
        rest = substr(rest, RSTART + RLENGTH)
      }
    }
    function codeLine(line,    n, i, words, word) {
      n = split(line, words, /[[:space:]]+/)
      for (i = 1; i <= n; i++) {
        word = words[i]
        gsub(/^["\047(<]+|["\047,;)>]+$/, "", word)
        if (word ~ /[\/\\]/) printf "path\t%s\t%s\n", word, placesBefore
      }
    }
    fence != "" {
      if (substr($0, match($0, /[^ ]/), length(fence)) == fence) fence = ""
      else codeLine($0)
      next
    }
    /^ *(```|~~~)/ { flush(); fence = substr($0, match($0, /[`~]/), 3); next }
    /^[[:space:]]*$/ { flush(); blank = 1; next }
    {
      indent = match($0, /[^ ]/) - 1
      if ((blank || inIndentedCode) && indent >= listIndent + 4) {
        codeLine($0)
        inIndentedCode = 1
        next
      }
      if (match($0, /^ *([-*]|[0-9]+\.) +/)) listIndent = RLENGTH
      else if (blank && indent < listIndent) listIndent = indent
      blank = 0
      inIndentedCode = 0
    }
    /^[[:space:]]*(\||#|[-*] |[0-9]+\. )/ { flush() }
    { unit = unit " " $0 }
    /^[[:space:]]*(\||#)/ { flush() }
    END { flush() }' "$1"
}

# Checks the links and paths of the Markdown FILE in PLACE ("repository", "linux" or
# "windows"); TOP lists the names that make a path one of the project's.
checkMarkdown() {
  local file=$1 place=$2 top=$3 name=$4 folder kind target places first
  folder=$(dirname "$file")
  while IFS=$'\t' read -r kind target places; do
    target=${target%%#*}
    case "$target" in
      "" | http://* | https://* | mailto:*) continue ;;
    esac
    if [ "$kind" = link ]; then
      target=${target%% *}
    else
      target=${target//\\//}
      target=${target%/}
      first=${target%%/*}
      [ -n "$first" ] && printf '%s\n' "$top" | grep -qxF -- "$first" || continue
    fi
    case " $places " in
      *" $place "*) continue ;;
    esac
    if [ ! -e "$folder/$target" ]; then
      if [ "$kind" = link ]; then
        problem "$name: the link $target leads nowhere"
      else
        problem "$name: \`$target\` is not there (a path only in the source repository must say so)"
      fi
    fi
  done < <(if [ "$(basename "$file")" = README.md ]; then namedPaths "$file"; else namedPaths "$file" | grep '^link'; fi)
}

# Checks the links and pictures of an HTML page and its links to places in it.
checkHtml() {
  local file=$1 name=$2 folder target
  folder=$(dirname "$file")
  while IFS= read -r target; do
    case "$target" in
      http://* | https://* | mailto:*) ;;
      "#"*)
        grep -qF "id=\"${target#\#}\"" "$file" || problem "$name: no place ${target} for its link"
        ;;
      *)
        target=${target%%#*}
        [ -e "$folder/$target" ] || problem "$name: the link or picture $target leads nowhere"
        ;;
    esac
  done < <(grep -oE '(href|src)="[^"]*"' "$file" | sed 's/^[a-z]*="\(.*\)"$/\1/')
}

# The names at the top of the repository: its tracked files and folders.
repositoryTop() {
  git -C "$1" ls-files 2> /dev/null | cut -d/ -f1 | sort -u | grep . || ls -A "$1"
}

if [ "${1:-}" = "--install" ]; then
  [ $# -eq 4 ] || { echo "usage: $0 --install BUILD SOURCE linux|windows" >&2; exit 2; }
  place=$4
  tree=$(mktemp -d "${TMPDIR:-/tmp}/readme-links.XXXXXX")
  trap 'rm -rf "$tree"' EXIT
  cmake --install "$2" --prefix "$tree" > /dev/null
  readme=$(find "$tree" -name README.md | head -n 1)
  [ -n "$readme" ] || { echo "the release tree has no README.md" >&2; exit 1; }
  folder=$(dirname "$readme")
  top=$( (repositoryTop "$3"; ls -A "$folder") | sort -u)
  shopt -s nullglob
  for file in "$readme" "$folder"/docs/*.md; do
    checkMarkdown "$file" "$place" "$top" "${file#"$folder"/} of the $place release tree"
  done
  if [ -f "$folder/README.html" ]; then
    checkHtml "$folder/README.html" "README.html of the $place release tree"
  else
    problem "the release tree has no README.html beside README.md"
  fi
  exit "$fail"
fi

[ $# -gt 0 ] || { echo "usage: $0 FILE.md... | --install BUILD SOURCE linux|windows" >&2; exit 2; }
for file in "$@"; do
  root=$(git -C "$(dirname "$file")" rev-parse --show-toplevel 2> /dev/null || dirname "$file")
  checkMarkdown "$file" repository "$(repositoryTop "$root")" "$file"
done
exit "$fail"
