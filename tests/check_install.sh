#!/bin/sh
# Installs the build into a fresh prefix and checks that every desktop file is
# where the freedesktop conventions look for it, named by the one application
# id, and valid.
# Usage: check_install.sh <cmake> <build dir> <application id>
set -eu
cmake=$1
build=$2
id=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }

bin=$prefix/bin/kurvan
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
png=$prefix/share/icons/hicolor/48x48/apps/$id.png
svg=$prefix/share/icons/hicolor/scalable/apps/$id.svg

[ -x "$bin" ] || fail "$bin missing or not executable"
for f in "$desktop" "$metainfo" "$png" "$svg"; do
    [ -s "$f" ] || fail "$f missing or empty"
done

# The PNG signature, then IHDR's width and height as big-endian 32-bit numbers.
head=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
[ "${head%%0000000d49484452*}" = "89504e470d0a1a0a" ] || fail "$png is not a PNG"
[ "$(echo "$head" | cut -c33-48)" = "0000003000000030" ] || fail "$png is not 48 x 48"
grep -q '<svg' "$svg" || fail "$svg is not an SVG"

grep -qx "Icon=$id" "$desktop" || fail "desktop entry does not name icon $id"
grep -qx 'Exec=kurvan' "$desktop" || fail "desktop entry does not start kurvan"
grep -qx 'Categories=Science;Physics;DataVisualization;' "$desktop" || fail "desktop entry categories"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "metainfo does not launch $id.desktop"
# main() hands the same id to Qt, so the window is matched to the entry.
grep -q "$id" "$bin" || fail "kurvan does not carry the id $id"

desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
echo "installed and valid: $id"
