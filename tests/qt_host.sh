#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and builds the Qt host against it with Qt 5 (and
# Qt 6 where it is installed), runs it, and checks with LD_DEBUG=bindings that every reference
# of lib_kyio to the mutex binds to our companion lib_kybase, not to the QtCore in the process.
# Usage: qt_host.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1 source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null

for major in 5 6; do
  if [[ $major == 6 ]] && ! dpkg-query -W qt6-base-dev >/dev/null 2>&1; then
    echo "qt_host: Qt 6 is not installed; built with Qt 5 only"
    continue
  fi
  cmake -S "$source/tests/qt_host" -B "$scratch/qt$major" -DQT_MAJOR=$major \
        -DCMAKE_PREFIX_PATH="$scratch/prefix" >/dev/null
  cmake --build "$scratch/qt$major" >/dev/null
  LD_DEBUG=bindings LD_DEBUG_OUTPUT="$scratch/bindings$major" "$scratch/qt$major/qt_host"
  bindings=$(cat "$scratch/bindings$major".*)
  grep -q "libQt${major}Core" <<<"$bindings" || { echo "qt_host: Qt $major is not loaded"; exit 1; }
  mutex=$(grep -E "binding file [^ ]*lib_kyio\.so\.1 .*QMutex" <<<"$bindings" || true)
  echo "$mutex"
  [[ $(grep -c . <<<"$mutex") -ge 3 ]] || { echo "qt_host: lib_kyio binds no QMutex symbols"; exit 1; }
  if grep -v "to [^ ]*lib_kybase\.so\.1 .*\[KYBASE_1\]" <<<"$mutex"; then
    echo "qt_host: FAILED: lib_kyio's QMutex references bind elsewhere (above)"
    exit 1
  fi
done
echo "qt_host: lib_kyio's QMutex references bind to lib_kybase"
