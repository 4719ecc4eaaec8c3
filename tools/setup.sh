#!/usr/bin/env bash
# Sets up a Debian 12 machine for Daybloom and builds it, then either starts the program
# ("run") or runs every test ("test"). Installs only the packages that are missing.
#
#   tools/setup.sh run     install what is missing, build, start daybloom
#   tools/setup.sh test    install what is missing, build, run all tests with CTest
set -euo pipefail

mode=${1:-run}
case "$mode" in
  run|test) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${DAYBLOOM_BUILD_DIR:-$here/build}"

# What the build, the program and the tests need.
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools
  # lupdate and lrelease, which build the translations of the program's texts
  qt6-l10n-tools qt6-tools-dev
  # Qt's own dialogs in the person's language
  qt6-translations-l10n
  libreoffice-dev libreoffice-dev-common
  libpoppler-qt6-dev
  libical-dev
  libuchardet-dev
  # the HEIC pictures phones take; Qt's plugins read WebP and TIFF
  libheif-dev qt6-image-formats-plugins
  # the fonts of the calendar designs (resources/template/designs.json names them)
  fonts-liberation2 fonts-lato fonts-ebgaramond fonts-open-sans
  python3
)
# The office itself: either writer package will do (they conflict with each other).
office_runtime="libreoffice-writer-nogui"
test_packages=(xvfb xdotool x11-apps x11-utils x11-xserver-utils imagemagick antiword poppler-utils
  # The paper of the locale: the tests set German and American locales.
  locales-all
  # The package check: cpack's DEB generator reads the program's libraries with file,
  # lintian reads the manual page with man, appstreamcli checks the metadata.
  lintian file man-db appstream
  # A second reader of the exported calendar files.
  python3-icalendar python3-dateutil
  # The start-up benchmark's session bus.
  dbus-daemon
  # HEIC pictures made for the tests.
  libheif-examples)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
if ! installed libreoffice-writer-nogui && ! installed libreoffice-writer; then
  missing+=("$office_runtime")
fi
if [ "$mode" = test ]; then
  for p in "${test_packages[@]}"; do installed "$p" || missing+=("$p"); done
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"

if [ "$mode" = run ]; then
  exec "$build/daybloom"
fi
cd "$build"
exec ctest --output-on-failure --timeout 900
