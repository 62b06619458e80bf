#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Debian packages of a build configured with KYIO_DEBIAN_PACKAGES=ON into OUT_DIR
# and runs lintian on them: any error fails; warnings are listed.
# Usage: deb_check.sh BUILD_DIR OUT_DIR
set -euo pipefail
command -v lintian >/dev/null || { echo "deb_check: lintian is missing (scripts/install-deps.sh test)"; exit 1; }
build=$1 out=$2
rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
report=$(lintian --no-tag-display-limit "$out"/*.deb || true)
echo "$report"
errors=$(grep -c '^E: ' <<<"$report" || true)
echo "deb_check: lintian reports $errors errors and $(grep -c '^W: ' <<<"$report") warnings"
((errors == 0))
