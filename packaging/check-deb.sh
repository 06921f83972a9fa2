#!/bin/sh
# Checks the two built packages as a player's machine would see them: lintian first (any error
# fails), then in a clean Debian 12 root made by debootstrap:
# - petara3 alone, without recommends: no dlib and no model come along, the game starts as an
#   ordinary player on a virtual X display, fills the player's folder and says on standard error
#   why the automatic outlines are missing; a second start after a kill keeps the player's files;
# - then petara3-outlines: its module finds every library and the game no longer misses it;
# - then on a headless Wayland compositor with XWayland: the game comes up through X by default,
#   with no warning of Qt's window-system layer, and draws its first frame as a native Wayland
#   client when QT_QPA_PLATFORM=wayland asks for it.
# Prints the installed size of each way. Needs root, debootstrap, lintian and the Debian mirror.
# Usage: packaging/check-deb.sh [package build folder]
set -eu

here=$(cd "$(dirname "$0")" && pwd)
. "$here/debian-root.sh"
project=$(git -C "$here" rev-parse --show-toplevel)
build=$(cd "${1:-build-deb}" && pwd)
game=$(ls -t "$build"/petara3_*.deb 2>/dev/null | head -n 1)
outlines=$(ls -t "$build"/petara3-outlines_*.deb 2>/dev/null | head -n 1)
[ -n "$game" ] && [ -n "$outlines" ] || { echo "no packages in $build: run make package" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "the check needs root (debootstrap, chroot)" >&2; exit 1; }

echo "== lintian $(basename "$game") $(basename "$outlines")"
lintian --fail-on error --display-info "$game" "$outlines" || { echo "lintian found errors" >&2; exit 1; }

root="$build/package-check/root"
trap 'root_remove "$root"' EXIT
trap 'exit 1' INT TERM
root_unpack "$(root_cache "$project")" "$root"
cp "$game" "$root/tmp/petara3.deb"
cp "$outlines" "$root/tmp/petara3-outlines.deb"

# The installed size of every package in the root, in KiB.
installed_kib() {
    in_root "$root" "dpkg-query -W -f='\${Installed-Size}\n'" | awk '{s += $1} END {print s}'
}
apt_install() {
    in_root "$root" "DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $* \
        >/tmp/apt.log 2>&1 || { tail -n 30 /tmp/apt.log; exit 1; }"
}

echo "== the tools of the check"
in_root "$root" "apt-get update -qq"
apt_install xvfb xauth x11-utils
in_root "$root" "useradd -m player"
before=$(installed_kib)

echo "== petara3 alone, without recommends"
apt_install /tmp/petara3.deb
in_root "$root" "dpkg-query -W -f='\${Package} \${Version}\nDepends: \${Depends}\nRecommends: \${Recommends}\nSuggests: \${Suggests}\n' petara3"
game_only=$(installed_kib)
if in_root "$root" "dpkg-query -W -f='\${Status}\n' libdlib19.1 libdlib-data 2>/dev/null | grep -q 'install ok installed'"; then
    echo "dlib or its model came along without recommends" >&2
    exit 1
fi

cat >"$root/tmp/play.sh" <<'PLAY'
cd "$HOME"
folder="$HOME/.local/share/petara3"
# Starts the game, waits for its window and its line about the sound, and stops it as a kill would.
play() {
    petara3 >/tmp/petara3.log 2>&1 &
    pid=$!
    found=no
    for i in $(seq 60); do
        if xwininfo -root -tree | grep -q '("petara3" ' && grep -q 'sound output' /tmp/petara3.log; then
            found=yes
            break
        fi
        sleep 1
    done
    xwininfo -root -tree | grep petara3 | head -n 1
    kill $pid
    wait $pid 2>/dev/null || true
    cat /tmp/petara3.log
    [ $found = yes ] || { echo "no game window or no sound line"; exit 1; }
}
play
test -f "$folder/data/facedata.ini" || { echo "no per-user folder"; exit 1; }
test -d "$folder/Library" || { echo "no works folder"; exit 1; }
ls -A "$folder"
# The killed game left its lock behind; the next start takes it over and keeps the player's files.
echo "the player's own" >"$folder/作品について.txt"
play
[ "$(cat "$folder/作品について.txt")" = "the player's own" ] || { echo "a player's file was overwritten"; exit 1; }
PLAY
in_root "$root" "su - player -s /bin/sh -c 'xvfb-run -a /bin/sh /tmp/play.sh'"
grep -q 'automatic outlines: not installed' "$root/tmp/petara3.log" \
    || { echo "the game did not say why the automatic outlines are missing" >&2; exit 1; }

echo "== with petara3-outlines"
apt_install /tmp/petara3-outlines.deb
with_outlines=$(installed_kib)
module=$(in_root "$root" "dpkg -L petara3-outlines" | grep 'petara3-landmarks.so$')
echo "$module"
case "$module" in
    /usr/lib/*-linux-*/petara3/petara3-landmarks.so) ;;
    *) echo "the module is not in the multiarch library folder" >&2; exit 1 ;;
esac
if in_root "$root" "ldd $module" | grep 'not found'; then
    echo "the module misses a library" >&2
    exit 1
fi
in_root "$root" "test -f /usr/share/dlib/shape_predictor_68_face_landmarks.dat" \
    || { echo "no shape model with petara3-outlines" >&2; exit 1; }
in_root "$root" "su - player -s /bin/sh -c 'xvfb-run -a /bin/sh /tmp/play.sh'" >/dev/null
if grep -q 'automatic outlines' "$root/tmp/petara3.log"; then
    echo "the game still misses the automatic outlines:" >&2
    cat "$root/tmp/petara3.log" >&2
    exit 1
fi

echo "== on a Wayland desktop (weston, headless, with XWayland)"
apt_install weston xwayland qt6-wayland
cat >"$root/tmp/wayland.sh" <<'WAYLAND'
export XDG_RUNTIME_DIR=$(mktemp -d)
weston --backend=headless-backend.so --use-pixman --xwayland --socket=petara-wayland \
    --idle-time=0 >/tmp/weston.log 2>&1 &
weston=$!
for i in $(seq 30); do
    [ -S "$XDG_RUNTIME_DIR/petara-wayland" ] && grep -q 'listening on display' /tmp/weston.log && break
    sleep 1
done
display=$(sed -n 's/.*listening on display \(:[0-9]*\).*/\1/p' /tmp/weston.log | head -n 1)
[ -n "$display" ] || { cat /tmp/weston.log; echo "weston started no XWayland"; kill $weston; exit 1; }
export WAYLAND_DISPLAY=petara-wayland DISPLAY=$display QT_LOGGING_RULES='petara.startup.info=true'
unset QT_QPA_PLATFORM
# Each run waits for the first frame, then stops the game.
run() {
    "$@" petara3 >/tmp/petara3.log 2>&1 &
    pid=$!
    for i in $(seq 60); do
        grep -q 'first frame' /tmp/petara3.log && break
        sleep 1
    done
    sleep 1
    window=$(xwininfo -root -tree 2>/dev/null | grep '("petara3" ' | head -n 1)
    kill $pid
    wait $pid 2>/dev/null || true
}
run env
echo "by default: ${window:-no X window}"
cat /tmp/petara3.log
status=0
[ -n "$window" ] || { echo "the game did not come up through XWayland"; status=1; }
grep -q 'first frame' /tmp/petara3.log || { echo "no first frame by default"; status=1; }
if grep -q 'qt.qpa' /tmp/petara3.log; then echo "warnings of Qt's window-system layer"; status=1; fi
run env QT_QPA_PLATFORM=wayland
echo "QT_QPA_PLATFORM=wayland: ${window:-no X window}"
cat /tmp/petara3.log
grep -q 'first frame' /tmp/petara3.log || { echo "no first frame as a Wayland client"; status=1; }
[ -z "$window" ] || { echo "QT_QPA_PLATFORM=wayland still went through X"; status=1; }
kill $weston
exit $status
WAYLAND
in_root "$root" "su - player -s /bin/sh -c '/bin/sh /tmp/wayland.sh'"

echo "== installed size: the game alone $(((game_only - before) / 1024)) MiB," \
     "with the automatic outlines $(((with_outlines - before) / 1024)) MiB"
echo "== the packages install and run in a clean Debian 12"
