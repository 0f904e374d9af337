#!/bin/sh
# Builds the Debian package of this build as `make package` does, but into a temporary folder, and
# checks it as a packager would: the copyright file, the changelog of this version and the
# software-centre listing are in it and valid, and lintian reports no error and no warning.
# Usage: package_test.sh BUILD_DIR VERSION APP_ID
# Exit status 77 (a skipped test) when lintian is not installed, after every other check.
set -eu
build=$1
version=$2
app_id=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(find "$work" -maxdepth 1 -name "korveld_${version}_*.deb")
[ -f "$deb" ] || fail "no package korveld_${version}_*.deb"
root="$work/root"
dpkg-deb -x "$deb" "$root"

doc="$root/usr/share/doc/korveld"
head -n 1 "$doc/copyright" | grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
    fail "copyright is not machine-readable"
grep -qx "License: MIT" "$doc/copyright" || fail "copyright names no MIT licence"
grep -q "^ Permission is hereby granted" "$doc/copyright" || fail "copyright lacks the licence text"
[ "$(gzip -dc "$doc/changelog.gz" | head -n 1)" = "korveld ($version) unstable; urgency=medium" ] ||
    fail "changelog.gz does not start with $version"
[ "$(dpkg-deb -f "$deb" Maintainer)" = "$(gzip -dc "$doc/changelog.gz" | sed -n 's/^ -- \(.*>\)  .*/\1/p' | head -n 1)" ] ||
    fail "the changelog is not signed by the package's maintainer"

metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the listing's newest release is not $version"
[ -f "$root/usr/share/applications/$app_id.desktop" ] || fail "no desktop entry $app_id.desktop"
# The listing, its desktop entry and its icon as software centres read them from the package.
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"

if ! command -v lintian >/dev/null 2>&1; then
    echo "lintian is not installed (scripts/install-deps.sh installs it): not run"
    exit 77
fi
lintian --fail-on error,warning --display-info "$deb" || fail "lintian"
echo "lintian: no error, no warning on $(basename "$deb")"
