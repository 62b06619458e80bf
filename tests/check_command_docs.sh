#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every command that `kyio help` lists, and every option its help names, is in the README's
# table, the manual page and the bash completion: the command table is their one source.
# Usage: check_command_docs.sh KYIO_TOOL SOURCE_DIR
set -uo pipefail
kyio=$1 source=$2
readme=$source/README.md manual=$source/doc/kyio.1.md completion=$source/programs/kyio/kyio.bash-completion
failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }

commands=$("$kyio" help | sed -n '/^commands:/,/^$/p' | awk 'NF { print $1 }' | grep -v '^commands:')
[[ -n "$commands" ]] || fail "kyio help lists no commands"
completion_list=$(sed -n 's/^ *local commands="\(.*\)"/\1/p' "$completion")
readme_commands=$(grep -oE '^\| `kyio [a-z0-9]+' "$readme" | awk '{ print $3 }' | sort -u)
[[ "$readme_commands" == "$(sort <<<"$commands")" ]] || fail "README's commands ($readme_commands) are not kyio help's"
for command in $commands; do
  for asked in "$command --help" "$command -h"; do
    [[ "$("$kyio" $asked)" == "$("$kyio" help "$command")" ]] || fail "kyio $asked is not kyio help $command"
  done
  row=$(grep -F "| \`kyio $command" "$readme") || fail "README: no row for $command"
  grep -qF "**kyio $command" "$manual" || fail "manual page: no synopsis line for $command"
  grep -qE "^\*\*$command\*\*" "$manual" || fail "manual page: no entry for $command"
  [[ " $completion_list " == *" $command "* ]] || fail "completion: $command is not among its commands"
  for option in $("$kyio" help "$command" | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
    [[ "$option" == --help ]] && continue
    [[ "$row" == *"$option"* ]] || fail "README: the row of $command lacks $option"
    grep -qF -- "\\$option" "$manual" || fail "manual page: $option of $command is missing"
    grep -qF -- "$option" "$completion" || fail "completion: $option of $command is missing"
  done
done
echo "command docs: $(wc -w <<<"$commands") commands checked, $failed failed"
((failed == 0))
