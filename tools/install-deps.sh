#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building, testing and benchmarking lib_kyio need, only
# those that are missing. Runs apt-get as root, or through sudo otherwise.
set -euo pipefail

packages=(
  # build
  cmake g++ make ninja-build pkgconf binutils
  zlib1g-dev libdeflate-dev
  # tests and benchmarks
  libgtest-dev libbenchmark-dev xsltproc libxml2-utils pandoc zip unzip
  # the sources of the embedded resources
  texlive-fonts-recommended wv
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

as_root=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
