#!/usr/bin/env bash
# Installs the Debian or Ubuntu packages that this machine lacks: those that building and running
# Yarno need (packages-run.txt), and unless --run is given those that the tests and benchmarks
# need (packages-test.txt), plus any named on the command line; with --web, only those that the
# page for browsers and its tests need (packages-web.txt); with --windows, those that building
# and running need and those that the Windows build needs (packages-windows.txt). The only script
# that reads these lists. Asks apt for nothing when everything is already there.
#
#   scripts/setup.sh [--run | --web | --windows] [package...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

lists=("$here/packages-run.txt" "$here/packages-test.txt")
if [[ ${1:-} == --run ]]; then
  lists=("$here/packages-run.txt")
  shift
elif [[ ${1:-} == --web ]]; then
  lists=("$here/packages-web.txt")
  shift
elif [[ ${1:-} == --windows ]]; then
  lists=("$here/packages-run.txt" "$here/packages-windows.txt")
  shift
fi
mapfile -t wanted < <(cat "${lists[@]}" | grep -vE '^\s*(#|$)')
wanted+=("$@")
missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
