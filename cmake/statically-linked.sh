#!/bin/sh
# Fails unless every program given is a statically linked ELF executable: no program
# interpreter and no shared library it needs, so that it runs on any x86-64 Linux.
#
#   statically-linked.sh PROGRAM...
set -eu

status=0
for program in "$@"; do
  headers=$(readelf -l -W "$program")
  needed=$(readelf -d -W "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
  if printf '%s\n' "$headers" | grep -q 'INTERP' || [ -n "$needed" ]; then
    echo "$(basename "$program") is linked dynamically; it needs: $(echo $needed)"
    status=1
  else
    echo "$(basename "$program") is linked statically"
  fi
done
exit "$status"
