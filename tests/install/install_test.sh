#!/bin/sh
# Installs the build into a temporary DESTDIR and checks the installation as a user meets it:
# the program in its own folder with the help file beside it, reached through the bin/ link;
# korveld-cli on the path; the desktop entry, icon and manual pages; both programs name their
# version and licence.
# Usage: install_test.sh BUILD_DIR VERSION APP_ID
set -eu
build=$1
version=$2
app_id=$3
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
usr="$dest/usr"

[ -L "$usr/bin/korveld" ] || fail "bin/korveld is not a link"
[ "$(readlink "$usr/bin/korveld")" = "../lib/korveld/korveld" ] || fail "bin/korveld points at $(readlink "$usr/bin/korveld")"
[ -x "$usr/lib/korveld/korveld" ] || fail "lib/korveld/korveld is missing"

# The help path rule of the installed program, started through the link.
help=$(env -u QT_QPA_PLATFORM "$usr/bin/korveld" --print-help-file) || fail "korveld --print-help-file: the help file is missing"
[ "$help" = "$usr/lib/korveld/PALDEN.HLP" ] || fail "help file $help"
for program in korveld korveld-cli; do
    "$usr/bin/$program" --version >"$dest/version"
    [ "$(head -n 1 "$dest/version")" = "$program $version" ] || fail "$program --version: $(head -n 1 "$dest/version")"
    grep -qx "License: MIT <https://spdx.org/licenses/MIT.html>" "$dest/version" || fail "$program --version names no licence"
done
"$usr/bin/korveld-cli" rate --refrigerant R-22 --valve KO --evap 40 --cond 100 --liquid 90 --json |
    grep -q '"label":"KOE 1-1/2"' || fail "korveld-cli rate"

desktop="$usr/share/applications/$app_id.desktop"
desktop-file-validate "$desktop" || fail "desktop entry"
grep -qx "Exec=korveld" "$desktop" || fail "desktop entry Exec"
grep -q "<svg" "$usr/share/icons/hicolor/scalable/apps/korveld.svg" || fail "icon"
for page in korveld korveld-cli; do
    man="$usr/share/man/man1/$page.1.gz"
    gzip -t "$man" || fail "$man is not gzipped"
    gzip -dc "$man" | grep -q "^\.TH $(echo "$page" | tr a-z A-Z) 1 .*korveld $version" || fail "$man heading"
done
echo "installed and checked in $dest"
