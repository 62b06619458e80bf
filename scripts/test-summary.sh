#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Adds up the JUnit files that ctest wrote for each build and ends with one line,
# "N passed, M failed" (", K skipped" when some were). A build without results, and a test
# that did not run (its program missing), count as failures. Exits 1 when anything failed.
set -euo pipefail

passed=0 failed=0 skipped=0
attribute() { sed -n "s/^[[:space:]]*$1=\"\([0-9]*\)\".*/\1/p" "$2" | head -n1; }
for file in "$@"; do
  build=$(basename "$(dirname "$file")")
  if [[ ! -f "$file" ]]; then
    echo "test-summary: $build: no results (it did not build or run)"
    failed=$((failed + 1))
    continue
  fi
  tests=$(attribute tests "$file") missing=$(grep -c 'status="notrun"' "$file" || true)
  failures=$(($(attribute failures "$file") + missing))
  not_run=$(( $(attribute skipped "$file") + $(attribute disabled "$file") - missing ))
  echo "test-summary: $build: $((tests - failures - not_run)) passed, $failures failed, $not_run skipped"
  passed=$((passed + tests - failures - not_run)) failed=$((failed + failures)) skipped=$((skipped + not_run))
done
line="$passed passed, $failed failed"
((skipped == 0)) || line+=", $skipped skipped"
echo "$line"
((failed == 0))
