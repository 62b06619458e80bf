#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix, then builds and runs a small host against it,
# once through find_package(kyio) and once through pkg-config.
# Usage: install_and_consume.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1 source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
"$prefix/bin/kyio" --version

cmake -S "$source/tests/consumer" -B "$scratch/cmake" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$scratch/cmake" >/dev/null
"$scratch/cmake/consumer"

pc=$(find "$prefix" -name kyio.pc)
export PKG_CONFIG_PATH=$(dirname "$pc")
libdir=$(pkg-config --variable=libdir kyio)
c++ -std=c++17 "$source/tests/consumer/consumer.cpp" $(pkg-config --cflags --libs kyio) \
    -Wl,-rpath,"$libdir" -o "$scratch/consumer-pc"
"$scratch/consumer-pc"
echo "install_and_consume: both consumers ran"
