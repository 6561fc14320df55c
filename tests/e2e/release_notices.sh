#!/usr/bin/env bash
# Checks the license and the third-party notices of the release tree that
# `cmake --install BUILD` makes: LICENSE is the repository's, and THIRD_PARTY_NOTICES.txt
# names every library linked into the programs, each under the Debian package it comes
# from. What is linked is taken from records that the notices are not made from:
# - the link map of each program, the linker's own record of every archive member and
#   object file it put into the program (the archives of the build itself aside);
# - the package targets (NAMESPACE::name) that a program links, directly or through
#   other targets, in the graph of targets that CMake itself draws for a fresh
#   configuration of the sources (cmake --graphviz).
# Every license of /usr/share/common-licenses that the notices refer to has its text in
# them, for the users of the release who do not have that folder.
#
#   release_notices.sh BUILD SOURCE PROGRAM.map... [-- CMAKE_OPTION...]
#
# The CMake options after -- are those of the fresh configuration (generator, toolchain).
set -euo pipefail

[ $# -ge 3 ] || { echo "usage: $0 BUILD SOURCE PROGRAM.map... [-- CMAKE_OPTION...]" >&2; exit 2; }
build=$(cd "$1" && pwd)
source=$2
shift 2
maps=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
  maps+=("$1")
  shift
done
[ "${1:-}" = "--" ] && shift
cmakeOptions=("$@")

work=$(mktemp -d "${TMPDIR:-/tmp}/release-notices.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail=0
problem() {
  echo "$*" >&2
  fail=1
}

cmake --install "$build" --prefix "$work/tree" > /dev/null
readme=$(find "$work/tree" -name README.md | head -n 1)
[ -n "$readme" ] || { echo "the release tree has no README.md" >&2; exit 1; }
folder=$(dirname "$readme")
cmp -s "$source/LICENSE" "$folder/LICENSE" || problem "the release tree's LICENSE is not the repository's"
notices="$folder/THIRD_PARTY_NOTICES.txt"
[ -s "$notices" ] || { echo "the release tree has no THIRD_PARTY_NOTICES.txt beside README.md" >&2; exit 1; }

# Whether the notices name ITEM in the line of PACKAGE ("" for any line of the notices
# that names what the programs link).
named() {
  local package=$1 item=$2
  grep -E '^(Debian package |CMake targets linked )' "$notices" \
    | awk -v package="$package" -v item="$item" '
        package == "" || index($0, "Debian package " package " (") == 1 {
          for (i = 1; i <= NF; i++) if ($i == item) found = 1
        }
        END { exit found ? 0 : 1 }'
}

# The package that owns a file, as dpkg knows its path.
owner() {
  local path
  for path in "$(realpath -sm -- "$1")" "$(readlink -m -- "$1")"; do
    if dpkg-query -S "$path" 2>/dev/null | sed -n 's/: \/.*$//p' | sed 's/:.*$//' | grep -m 1 .; then
      return 0
    fi
  done
  return 1
}

for map in "${maps[@]}"; do
  program=$(basename "$map" .map)
  [ -s "$map" ] || { problem "$program: no link map at $map"; continue; }
  linkedFiles=$(awk '
      /^Archive member included/ { members = 1; next }
      /^Discarded input sections/ { members = 0 }
      members && /^[^ ]/ && /\.a\(/ { sub(/\(.*$/, ""); print }
      /^LOAD .*\.(o|obj)$/ { print $2 }' "$map" | sort -u)
  [ -n "$linkedFiles" ] || problem "$program: the link map names no file"
  while IFS= read -r file; do
    # The archives and objects of this build are the programs' own code.
    case "$file" in
      /*) ;;
      *) continue ;;
    esac
    case "$(realpath -sm -- "$file")" in
      "$build"/*) continue ;;
    esac
    if ! package=$(owner "$file"); then
      problem "$program: no Debian package owns $file"
    elif ! named "$package" "$(basename "$file")"; then
      problem "$program: THIRD_PARTY_NOTICES.txt does not name $(basename "$file") of $package"
    else
      echo "$program: $(basename "$file") ($package) is named"
    fi
  done <<< "$linkedFiles"
done

# The common licenses that the notices name by their place on a Debian system.
noticesText=$(cat "$notices")
while IFS= read -r named; do
  if [ ! -f "$named" ]; then
    problem "THIRD_PARTY_NOTICES.txt refers to $named, which this system does not have"
  elif [[ "$noticesText" == *"$(cat "$named")"* ]]; then
    echo "the text of $named is in THIRD_PARTY_NOTICES.txt"
  else
    problem "THIRD_PARTY_NOTICES.txt refers to $named but does not hold its text"
  fi
done < <(grep -oE '/usr/share/common-licenses/[A-Za-z0-9.+-]*[A-Za-z0-9+]' "$notices" | sort -u)

# CMake's own graph of the targets each program links.
cmake -S "$source" -B "$work/graph" -DLEAGUE_TOOLS_BUILD_TESTS=OFF "${cmakeOptions[@]}" \
  --graphviz="$work/graph/targets.dot" > "$work/configure.log" 2>&1 \
  || { cat "$work/configure.log" >&2; exit 1; }
for map in "${maps[@]}"; do
  program=$(basename "$map" .map)
  graph="$work/graph/targets.dot.$program"
  [ -f "$graph" ] || { problem "CMake drew no graph of $program"; continue; }
  for target in $(sed -n 's/.*\[ label = "\([^"]*::[^"]*\)".*/\1/p' "$graph" | sort -u); do
    if named "" "$target"; then
      echo "$program: the CMake target $target is named"
    else
      problem "$program: THIRD_PARTY_NOTICES.txt does not name the CMake target $target"
    fi
  done
done
exit "$fail"
