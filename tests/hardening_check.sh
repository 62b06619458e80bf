#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs Debian's hardening-check on the given binaries and fails on any "no". Fortify's
# "only unprotected functions found" may stand when the compile flags carry _FORTIFY_SOURCE
# (the code then simply calls no function that fortify can check at compile time).
# Usage: hardening_check.sh "COMPILE FLAGS" BINARY...
set -euo pipefail
command -v hardening-check >/dev/null || { echo "hardening_check: hardening-check is missing (scripts/install-deps.sh test)"; exit 1; }
flags=$1
shift
report=$(hardening-check "$@" || true)
echo "$report"
allowed='(ignored)'
[[ "$flags" == *_FORTIFY_SOURCE* ]] && allowed+='|only unprotected functions found'
if grep -E ': no[,!]' <<<"$report" | grep -vE "$allowed"; then
  echo "hardening_check: FAILED (above)" >&2
  exit 1
fi
echo "hardening_check: $# binaries pass"
