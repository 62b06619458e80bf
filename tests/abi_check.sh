#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Compares lib_kyio.so with the ABI baseline kept in the repo. Fails on any change that can
# break a host built against the baseline: removed or changed functions, variables or
# symbols, and changed types or vtables. Added symbols are reported and pass.
# Usage: abi_check.sh BASELINE LIBRARY HEADER_DIR...
set -uo pipefail
baseline=$1 library=$2
shift 2
headers=()
for dir in "$@"; do headers+=(--headers-dir2 "$dir"); done

report=$(abidiff "${headers[@]}" "$baseline" "$library")
status=$?
echo "$report"
# abidiff's status is a bit set: 1 error, 2 usage, 4 some change, 8 an incompatible change.
((status & 3)) && { echo "abi_check: abidiff could not compare (status $status)" >&2; exit 1; }
# Every "... changes summary: R Removed, C Changed ..." line must say 0 and 0.
breaking=$(sed -nE 's/.*changes summary: ([0-9]+) Removed(, ([0-9]+) Changed)?.*/\1 \3/p' <<<"$report" | awk '$1 + $2 > 0')
if ((status & 8)) || [[ -n "$breaking" ]]; then
  echo "abi_check: FAILED: the interface changed in a way that breaks existing hosts" >&2
  exit 1
fi
echo "abi_check: no breaking change against $(basename "$baseline")$( ((status & 4)) && echo ", additions only")"
