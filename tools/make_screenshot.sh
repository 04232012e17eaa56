#!/bin/sh
# Draws docs/screenshot.png: the real program under a private Xvfb, started in
# data/, after a click on "Laden" has read the sample file AU_00.ZEL.
#
# Run from anywhere: sh tools/make_screenshot.sh [build dir, default build/release]
# Builds kurvan there first if it is missing.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
case $build in /*) ;; *) build=$root/$build ;; esac
out=$root/docs/screenshot.png

# Packages for the X session and the picture, installed only when missing. Asked of
# dpkg, not of the PATH: some machines carry a stand-in `convert` of their own.
need=""
for pkg in xvfb xdotool x11-apps x11-utils imagemagick; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'ok installed' || need="$need $pkg"
done
if [ -n "$need" ]; then
    sudo=""
    [ "$(id -u)" = 0 ] || sudo=sudo
    $sudo apt-get update -q
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $need
fi

if [ ! -x "$build/kurvan" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    cmake --build "$build" --target kurvan -j "$(nproc)"
fi

. "$root/tools/xsession.sh"
xvfb= runtime= kurvan=
cleanup() {
    [ -z "$kurvan" ] || kill "$kurvan" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    [ -z "$runtime" ] || rm -rf "$runtime"
}
trap cleanup EXIT INT TERM
start_xvfb 70 130 -screen 0 1024x768x24

cd "$root/data"
"$build/kurvan" &
kurvan=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Auswerten von ZEL Daten$' | head -n 1)
[ -n "$win" ] || { echo "kurvan showed no window" >&2; exit 1; }
sleep 1

# "Laden" is the second control of the panel, below the text field; the pointer
# then leaves the window so no button shows its hover state.
xdotool mousemove --window "$win" 70 105 click 1
xdotool mousemove 1000 750
sleep 1

mkdir -p "$(dirname "$out")"
xwd -silent -id "$win" | convert xwd:- "$out"
echo "wrote $out"
