#!/bin/sh
# Installs the Debian packages that building, running and testing Halvex need,
# but only those that are missing: as root directly, otherwise through sudo.
set -eu

packages="
  cmake
  ninja-build
  g++
  clang
  libclang-rt-14-dev
  make
  clang-format
  qt6-base-dev
  qt6-qpa-plugins
  qt6-translations-l10n
  libbenchmark-dev
  fonts-liberation
  poppler-utils
  desktop-file-utils
  appstream
  dpkg-dev
  xvfb
  dbus-daemon
  at-spi2-core
  python3-pyatspi
"

missing=""
for package in $packages; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  case "$status" in
    *"install ok installed"*) ;;
    *) missing="$missing $package" ;;
  esac
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
  as_root=""
elif command -v sudo >/dev/null 2>&1; then
  as_root="sudo"
else
  echo "These packages are missing and neither root nor sudo is at hand:$missing" >&2
  exit 1
fi
$as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
# shellcheck disable=SC2086 # the list is meant to split into words
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
