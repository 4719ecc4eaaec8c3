#!/usr/bin/env bash
# Builds the Debian package of a build folder with cpack into a private folder and checks
# it as a distribution would: lintian must report no error, warning or info that the
# package does not override, and appstreamcli must accept the installed metadata together
# with the launcher it names. The changelog and the metadata must name the version the
# package carries.
#
#   check_package.sh BUILD_DIR
set -euo pipefail

build=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/daybloom-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out"
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack gave ${#debs[@]} packages: ${debs[*]}"
deb=${debs[0]}

echo "== lintian $(basename "$deb")"
# Errors, warnings and infos fail: each is either fixed or overridden with the reason in
# the overrides file. Pedantic tags are shown for the record.
lintian --fail-on error,warning,info --display-info --pedantic "$deb" \
  || fail "lintian reports errors, warnings or infos"

dpkg-deb -x "$deb" "$work/root"

echo "== appstreamcli validate-tree"
appstreamcli validate-tree --no-net --strict --pedantic "$work/root" \
  || fail "appstreamcli does not accept the metadata"

version=$(dpkg-deb -f "$deb" Version)
upstream=${version%-*}

zcat "$work/root/usr/share/doc/daybloom/changelog.Debian.gz" > "$work/changelog"
changelog_version=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
[ "$changelog_version" = "$version" ] \
  || fail "the changelog's newest entry is $changelog_version, the package is $version"

metainfo=("$work"/root/usr/share/metainfo/*.metainfo.xml)
release=$(sed -n 's/.*<release [^>]*version="\([^"]*\)".*/\1/p' "${metainfo[0]}" | head -n 1)
[ "$release" = "$upstream" ] \
  || fail "the metadata's newest release is '$release', the package is $upstream"

echo "daybloom $version: lintian and appstreamcli accept the package"
