#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every test program of a plain build under valgrind's memcheck: any error, or any byte
# definitely, indirectly or possibly lost, fails it. Processes that a test starts are not
# followed. The allocator that a test defines itself is left to the test (nouserintercepts). Usage: run_valgrind.sh BUILD_DIR
set -uo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
failed=0 count=0
for program in "$build"/tests/test_* "$build"/tests/c_host; do
  [[ -x "$program" ]] || continue
  count=$((count + 1))
  log="$program.memcheck.log"
  args=()
  [[ "$program" == */c_host ]] && args=("$build/tests")
  if valgrind --quiet --error-exitcode=99 --leak-check=full --show-leak-kinds=definite,indirect,possible \
       --errors-for-leak-kinds=definite,indirect,possible --suppressions="$here/valgrind.supp" \
       --soname-synonyms=somalloc=nouserintercepts \
       --log-file="$log" "$program" "${args[@]}" >/dev/null 2>&1; then
    echo "memcheck: $(basename "$program"): clean"
  else
    status=$?
    failed=$((failed + 1))
    echo "memcheck: $(basename "$program"): FAILED (status $status), see $log"
    cat "$log"
  fi
done
echo "memcheck: $((count - failed)) passed, $failed failed"
((failed == 0))
