#!/usr/bin/env bash
# Writes THIRD_PARTY_NOTICES.txt: for every Debian package whose code is linked into the
# programs, the files or CMake targets it gives them and its copyright file
# (/usr/share/doc/<package>/copyright), which holds the copyright and license texts.
#
#   third-party-notices.sh LINKED OUTPUT
#
# LINKED (written by cmake/ThirdPartyNotices.cmake) holds tab-separated lines:
#   compiler PATH               the compiler that links the programs
#   option PROGRAM OPTION       one of a program's link options
#   library ITEM                a library on the programs' link line: -lNAME or a path
#   target NAME PATH...         an imported CMake target that a program links, with its
#                               library files, its package's CMake folder and its
#                               include folders, the surest first
#
# The libraries that the compiler itself adds (the C and C++ run-time libraries, start
# files, for MinGW-w64 its runtime and winpthreads) are read from the link line that
# the compiler prints without running it (-###, its last command) for each program's
# options; a library named with -l is looked up in the line's -L folders the way the
# linker does, and a linker script (libm.a of glibc) stands for the files it names.
# After the copyright files come the full texts of the common licenses that they refer
# to by their place on a Debian system (/usr/share/common-licenses/GPL-3), which a user
# of the Windows zip does not have: each text once, under the name a link such as GPL
# leads to (GPL-3).
# Fails when a linked file or target belongs to no Debian package, or a license that a
# copyright file refers to is not in /usr/share/common-licenses: its notices would be
# missing.
set -euo pipefail

linked=$1
output=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/third-party-notices.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The one Debian package that owns PATH (file or folder), or nothing. A folder that
# several packages share (/usr/include) tells nothing. Paths are tried as given without
# ".." and with their links resolved, and without /usr for packages that install to /lib.
owner() {
  local path candidates=() candidate packages
  path=$(realpath -sm -- "$1")
  candidates=("$path" "$(readlink -m -- "$path")")
  case "$path" in /usr/*) candidates+=("${path#/usr}") ;; esac
  for candidate in "${candidates[@]}"; do
    # "package[:arch][, package...]: path" per line; "diversion by" lines say nothing.
    packages=$(dpkg-query -S "$candidate" 2>/dev/null | grep -v '^diversion ' | sed -n 's/: \/.*$//p' \
      | tr ',' '\n' | sed 's/^ *//; s/:.*$//' | sort -u) || true
    if [ -n "$packages" ] && [ "$(printf '%s\n' "$packages" | wc -l)" -eq 1 ]; then
      echo "$packages"
      return 0
    fi
  done
  return 1
}

# The files that a library file stands for: itself, or what a linker script names.
expandScript() {
  local file=$1
  if [[ "$file" != *.o && "$file" != *.obj ]] && [ "$(head -c 7 "$file" | tr -d '\0')" != '!<arch>' ] && grep -qE '^[[:space:]]*(GROUP|INPUT)[[:space:]]*\(' "$file" 2>/dev/null; then
    grep -oE '/[^[:space:]()]+' "$file" | while read -r named; do
      [ -e "$named" ] && echo "$named"
    done
  else
    echo "$file"
  fi
}

# Finds libNAME as the linker does: in the -L folders of its line, in order; only the
# archive when the line links statically.
findLibrary() {
  local name=$1 static=$2 folder suffix
  shift 2
  for folder in "$@"; do
    for suffix in $([ "$static" = 1 ] && echo a || echo "so a"); do
      if [ -e "$folder/lib$name.$suffix" ]; then
        echo "$folder/lib$name.$suffix"
        return 0
      fi
    done
  done
  return 1
}

compiler=$(awk -F'\t' '$1 == "compiler" { print $2 }' "$linked")
mapfile -t programs < <(awk -F'\t' '$1 == "option" { print $2 }' "$linked" | sort -u)
mapfile -t libraries < <(awk -F'\t' '$1 == "library" { print $2 }' "$linked")

# "file PACKAGE NAME" for every linked file, "target PACKAGE NAME" for every target.
: > "$work/items"
: > "$work/copyrights"
unowned=()
addFile() {
  local file package
  while read -r file; do
    if package=$(owner "$file"); then
      printf 'file\t%s\t%s\n' "$package" "$(basename "$file")" >> "$work/items"
    else
      unowned+=("$file")
    fi
  done < <(expandScript "$1")
}

touch "$work/program.o"
for program in "${programs[@]}"; do
  options=()
  while IFS= read -r option; do
    case "$option" in
      "") ;;
      LINKER:*) options+=("-Wl,${option#LINKER:}") ;;
      SHELL:*) read -ra words <<< "${option#SHELL:}"; options+=("${words[@]}") ;;
      *) options+=("$option") ;;
    esac
  done < <(awk -F'\t' -v program="$program" '$1 == "option" && $2 == program { print $3 }' "$linked")
  mapfile -t line < <("$compiler" "${options[@]}" -### -o "$work/program" "$work/program.o" "${libraries[@]}" 2>&1 \
    | grep "^ " | tail -n 1 | xargs -n 1 printf '%s\n')
  folders=()
  static=0
  for argument in "${line[@]}"; do
    case "$argument" in
      -L*) folders+=("${argument#-L}") ;;
      -static | -Bstatic) static=1 ;;
    esac
  done
  skipNext=0
  for argument in "${line[@]:1}"; do
    if [ "$skipNext" = 1 ]; then
      skipNext=0
      continue
    fi
    case "$argument" in
      -plugin | -dynamic-linker | -o) skipNext=1 ;;
      "$work/program.o") ;;
      -l*)
        if file=$(findLibrary "${argument#-l}" "$static" "${folders[@]}"); then
          addFile "$file"
        else
          unowned+=("$argument")
        fi
        ;;
      /*.o | /*.a | /*.so | /*.lib | /*.obj) addFile "$argument" ;;
    esac
  done
done

while IFS= read -r line; do
  IFS=$'\t' read -ra fields <<< "$line"
  name=${fields[1]}
  package=""
  for path in "${fields[@]:2}"; do
    if package=$(owner "$path"); then
      break
    fi
  done
  if [ -n "$package" ]; then
    printf 'target\t%s\t%s\n' "$package" "$name" >> "$work/items"
  elif [ ${#fields[@]} -gt 2 ]; then
    unowned+=("CMake target $name (${fields[*]:2})")
  else
    # A target of flags only, such as Threads::Threads: what its flags link is on the
    # compiler's link line above.
    printf 'target\t\t%s\n' "$name" >> "$work/items"
  fi
done < <(awk -F'\t' '$1 == "target"' "$linked")

if [ ${#unowned[@]} -gt 0 ]; then
  echo "THIRD_PARTY_NOTICES.txt: no Debian package owns what the programs link:" >&2
  printf '  %s\n' "${unowned[@]}" >&2
  echo "Its copyright notices cannot be collected; link it from a Debian package." >&2
  exit 1
fi

# Packages that share one copyright file (the compiler's run-time libraries) share one
# section: the packages, each with what it gives the programs, then the text.
{
  echo "Third-party notices for the Korvex league tools"
  echo
  echo "The programs contain code of the libraries below, linked into them when they were"
  echo "built. Their copyright and license texts follow, as the Debian packages that the"
  echo "programs were built with give them, and after them the full texts of the common"
  echo "licenses that they refer to in /usr/share/common-licenses/ of a Debian system. The"
  echo "league tools' own license is in LICENSE."
  mapfile -t flagTargets < <(awk -F'\t' '$1 == "target" && $2 == "" { print $3 }' "$work/items" | sort -u)
  if [ ${#flagTargets[@]} -gt 0 ]; then
    echo "CMake targets linked for their options only, whose libraries are named below: ${flagTargets[*]}"
  fi
  for copyright in $(awk -F'\t' '$2 != "" { print $2 }' "$work/items" | sort -u | while read -r package; do
      echo "$(readlink -f "/usr/share/doc/$package/copyright")"
    done | sort -u); do
    echo
    echo "================================================================================"
    for package in $(awk -F'\t' '$2 != "" { print $2 }' "$work/items" | sort -u); do
      if [ "$(readlink -f "/usr/share/doc/$package/copyright")" = "$copyright" ]; then
        version=$(dpkg-query -W -f='${Version}' "$package" 2>/dev/null | head -n 1)
        given=$(awk -F'\t' -v package="$package" '$2 == package { print $3 }' "$work/items" | sort -u | tr '\n' ' ')
        echo "Debian package $package (version $version): ${given% }"
      fi
    done
    echo "================================================================================"
    echo
    if [ ! -f "$copyright" ]; then
      echo "THIRD_PARTY_NOTICES.txt: no copyright file for $copyright" >&2
      exit 1
    fi
    cat "$copyright"
    echo "$copyright" >> "$work/copyrights"
  done

  # The common licenses that the copyright files name, by the files they lead to.
  declare -A namedAs=()
  while IFS= read -r named; do
    text=$(readlink -f "$named")
    if [ ! -f "$text" ]; then
      echo "THIRD_PARTY_NOTICES.txt: a copyright file refers to $named, which is not there" >&2
      exit 1
    fi
    namedAs[$text]+="${namedAs[$text]:+ and }$named"
  done < <(xargs -r -d '\n' grep -ohE '/usr/share/common-licenses/[A-Za-z0-9.+-]*[A-Za-z0-9+]' < "$work/copyrights" | sort -u)
  for text in $(printf '%s\n' "${!namedAs[@]}" | sort); do
    echo
    echo "================================================================================"
    echo "License text ${text##*/} (referred to above as ${namedAs[$text]})"
    echo "================================================================================"
    echo
    cat "$text"
  done
} > "$work/notices"
mv "$work/notices" "$output"
