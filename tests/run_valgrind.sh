#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every test program of a plain build under memcheck: any error or lost byte fails it.
# Processes that a test starts are not followed; a test's own allocator is left to it.
# Usage: run_valgrind.sh BUILD_DIR
build=$1 failed=0 count=0
for program in "$build"/tests/test_* "$build"/tests/c_host; do
  [[ -x "$program" ]] || continue
  count=$((count + 1))
  if valgrind --quiet --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect,possible \
       --show-leak-kinds=definite,indirect,possible --suppressions="$(dirname "$0")/valgrind.supp" \
       --soname-synonyms=somalloc=nouserintercepts --log-file="$program.memcheck.log" \
       "$program" "$build/tests" >/dev/null 2>&1; then
    echo "memcheck: $(basename "$program"): clean"
  else
    failed=$((failed + 1))
    echo "memcheck: $(basename "$program"): FAILED" && cat "$program.memcheck.log"
  fi
done
echo "memcheck: $((count - failed)) passed, $failed failed"
((failed == 0))
