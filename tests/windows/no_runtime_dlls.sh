#!/bin/sh
# Fails when a Windows program needs a DLL of the compiler's runtime (C++ library,
# GCC support, threads), which a bare Windows does not have: the programs must be
# linked statically. The DLLs of Windows itself are fine.
#
#   no_runtime_dlls.sh OBJDUMP PROGRAM.exe...
set -eu

objdump=$1
shift
status=0
for program in "$@"; do
  dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')
  runtime=$(printf '%s\n' "$dlls" | grep -iE '^lib(stdc\+\+|gcc|winpthread)|^(mingw|msys|cyg)' || true)
  if [ -n "$runtime" ]; then
    echo "$(basename "$program") needs: $(echo $runtime)"
    status=1
  else
    echo "$(basename "$program") needs only: $(echo $dlls)"
  fi
done
exit "$status"
