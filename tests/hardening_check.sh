#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs Debian's hardening-check on the given binaries and fails on any "no". Fortify's
# "only unprotected functions found" may stand when the compile flags carry _FORTIFY_SOURCE
# (the code then simply calls no function that fortify can check at compile time).
# Usage: hardening_check.sh "COMPILE FLAGS" BINARY...
set -euo pipefail
flags=$1
shift
report=$(hardening-check "$@" || true)
echo "$report"
failures=$(grep -E ': no[,!]' <<<"$report" | grep -v '(ignored)' || true)
if [[ "$flags" == *_FORTIFY_SOURCE* ]]; then
  failures=$(grep -v 'Fortify Source functions: no, only unprotected functions found' <<<"$failures" || true)
fi
if [[ -n "$failures" ]]; then
  echo "hardening_check: FAILED:" >&2
  echo "$failures" >&2
  exit 1
fi
echo "hardening_check: $# binaries pass"
