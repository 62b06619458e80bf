#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that lib_kyio needs, only those that are missing:
#   install-deps.sh build   building the library and the tool (the default)
#   install-deps.sh test    that, and what the test suites and the benchmark need
# Runs apt-get as root, or through sudo; without either it prints the command to run.
set -euo pipefail

build_packages=(
  cmake g++ make ninja-build pkgconf binutils
  zlib1g-dev libdeflate-dev nettle-dev libzip-dev libxslt1-dev
  # tcmalloc, which the tool converts with
  libgoogle-perftools-dev
  # the sources of the embedded resources
  texlive-fonts-recommended wv
)
test_packages=(
  libgtest-dev libbenchmark-dev xsltproc libxml2-utils pandoc zip unzip
  # the stylesheet's other XSLT processors
  default-jre-headless libsaxonhe-java libxalan2-java
  # fuzzing, hardening, the ABI gate and memcheck
  clang libclang-rt-14-dev devscripts abigail-tools valgrind
  # the Qt hosts, the manual pages and the Debian packages
  qtbase5-dev qt6-base-dev dpkg-dev lintian file
)

case ${1:-build} in
  build) wanted=("${build_packages[@]}") ;;
  test) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: install-deps.sh [build|test]" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0

as_root=()
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null; then
    echo "install-deps: these Debian packages are missing; as root, run:" >&2
    echo "  apt-get install -y --no-install-recommends ${missing[*]}" >&2
    echo "install-deps: or set KYIO_SKIP_INSTALL=1 once they are there." >&2
    exit 1
  fi
  as_root=(sudo)
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
