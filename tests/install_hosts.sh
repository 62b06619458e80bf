#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix, builds and runs hosts against it (pkg-config, and
# find_package with Qt 5 and, where installed, Qt 6), and checks with LD_DEBUG=bindings that
# lib_kyio's mutex references bind to our companion lib_kybase, not to the process's QtCore.
# Usage: install_hosts.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1 source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

export PKG_CONFIG_PATH=$(dirname "$(find "$prefix" -name kyio.pc)")
c++ -std=c++17 "$source/tests/hosts/host.cpp" $(pkg-config --cflags --libs kyio) \
    -Wl,-rpath,"$(pkg-config --variable=libdir kyio)" -o "$scratch/pc-host"
"$scratch/pc-host"

majors=(5)
dpkg-query -W qt6-base-dev >/dev/null 2>&1 && majors+=(6)
for major in "${majors[@]}"; do
  cmake -S "$source/tests/hosts" -B "$scratch/qt$major" -DQT_MAJOR="$major" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
  cmake --build "$scratch/qt$major" >/dev/null
  "$scratch/qt$major/host"
  LD_DEBUG=bindings LD_DEBUG_OUTPUT="$scratch/bindings$major" "$scratch/qt$major/qt_host"
  bindings=$(cat "$scratch/bindings$major".*)
  grep -q "libQt${major}Core" <<<"$bindings" || { echo "install_hosts: Qt $major is not loaded"; exit 1; }
  mutex=$(grep -E "binding file [^ ]*lib_kyio\.so\.1 .*QMutex" <<<"$bindings" || true)
  [[ $(grep -c . <<<"$mutex") -ge 3 ]] || { echo "install_hosts: lib_kyio binds no QMutex symbols"; exit 1; }
  if grep -v "to [^ ]*lib_kybase\.so\.1 .*\[KYBASE_1\]" <<<"$mutex"; then
    echo "install_hosts: FAILED: lib_kyio's QMutex references bind elsewhere (above)"
    exit 1
  fi
done
echo "install_hosts: the hosts ran; lib_kyio's QMutex references bind to lib_kybase (Qt ${majors[*]})"
