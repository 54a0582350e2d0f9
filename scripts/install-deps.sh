#!/usr/bin/env bash
# Installs what the build, the tests and the optional features need, from
# Debian's packages, when it is missing:
#   compilers and test frameworks   g++ cmake make libgtest-dev libgmock-dev libbenchmark-dev
#   netCDF input and output         libnetcdf-dev, netcdf-bin (ncdump, nccopy), cdo and
#                                   python3-xarray (the tests open our files with them)
#   units                           libudunits2-dev
#   figures                         gnuplot-nox (pngcairo and svg terminals); libpng-dev
#                                   (the tests decode the PNGs)
#   the report page's browser test  chromium
#   sweeps over MPI                 libopenmpi-dev openmpi-bin
#   fuzz targets                    clang libclang-rt-14-dev (libFuzzer)
#   manual pages                    man-db, groff-base, bsdextrautils (col): the
#                                   test renders each page as man shows it
#   code layout                     clang-format (.clang-format, docs/STYLE.md)
set -euo pipefail
packages=(g++ cmake make libgtest-dev libgmock-dev libbenchmark-dev
          libnetcdf-dev netcdf-bin cdo python3-xarray python3-netcdf4
          libudunits2-dev gnuplot-nox libpng-dev chromium
          libopenmpi-dev openmpi-bin
          clang libclang-rt-14-dev
          man-db groff-base bsdextrautils clang-format)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [[ $(id -u) -ne 0 ]] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
