#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows program imports only Windows' own DLLs, so that it needs nothing installed.
# Usage: tests/imports.sh OBJDUMP program.exe
set -euo pipefail
objdump=$1
program=$2
allowed=" ADVAPI32.dll COMCTL32.dll GDI32.dll KERNEL32.dll msvcrt.dll ole32.dll OLEACC.dll OLEAUT32.dll USER32.dll "
imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$imports" ] || { echo "FAIL: objdump found no imports in $program" >&2; exit 1; }
# Windows names DLLs in any case: the 32-bit import library says COMCTL32.DLL.
for dll in $imports; do
    [[ ${allowed,,} == *" ${dll,,} "* ]] || { echo "FAIL: $program imports $dll" >&2; exit 1; }
done
echo "PASS: $(basename "$program") imports only" $imports
