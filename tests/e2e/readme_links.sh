#!/usr/bin/env bash
# Checks that every relative link and picture of Markdown files leads to a file that
# exists, so that no page of the documentation points at nothing:
#
#   readme_links.sh FILE.md...          the files as they are
#   readme_links.sh --install BUILD     the README and docs/*.md of the release tree that
#                                       `cmake --install BUILD` makes, in a fresh folder
#
# Links to web addresses and to places in the same file (#...) are not files.
set -euo pipefail

fail=0
check() {
  local file="$1" folder target
  folder=$(dirname "$file")
  while IFS= read -r target; do
    target=${target%%#*}
    target=${target%% *}
    case "$target" in
      "" | http://* | https://* | mailto:*) continue ;;
    esac
    if [ ! -e "$folder/$target" ]; then
      echo "$file: the link $target leads nowhere" >&2
      fail=1
    fi
  done < <(grep -o '\](\([^)]*\))' "$file" | sed 's/^](\(.*\))$/\1/')
}

if [ "${1:-}" = "--install" ]; then
  [ $# -eq 2 ] || { echo "usage: $0 --install BUILD" >&2; exit 2; }
  tree=$(mktemp -d "${TMPDIR:-/tmp}/readme-links.XXXXXX")
  trap 'rm -rf "$tree"' EXIT
  cmake --install "$2" --prefix "$tree" > /dev/null
  readme=$(find "$tree" -name README.md | head -n 1)
  [ -n "$readme" ] || { echo "the release tree has no README.md" >&2; exit 1; }
  shopt -s nullglob
  set -- "$readme" "$(dirname "$readme")"/docs/*.md
fi
[ $# -gt 0 ] || { echo "usage: $0 FILE.md... | --install BUILD" >&2; exit 2; }
for file in "$@"; do
  check "$file"
done
exit "$fail"
