#!/bin/sh
# Installs the built package into a clean Debian 12 root made by debootstrap, starts the game there
# as an ordinary player on a virtual X display, and checks that its window and the player's own
# folder appear. Needs root, debootstrap and the Debian mirror. The bare root is kept as a tarball
# in the build folder, so later runs skip debootstrap.
# Usage: packaging/check-deb.sh [build folder]
set -eu

build=$(cd "${1:-build}" && pwd)
mirror=${PETARA_MIRROR:-http://deb.debian.org/debian}
deb=$(ls -t "$build"/petara3_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "no package in $build: run make package" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "the check needs root (debootstrap, chroot)" >&2; exit 1; }

work="$build/package-check"
base="$work/bookworm-minbase.tar"
root="$work/root"
mkdir -p "$work"

cleanup() {
    for m in proc dev/pts dev; do
        mountpoint -q "$root/$m" 2>/dev/null && umount -l "$root/$m"
    done
    rm -rf "$root"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
cleanup

if [ ! -f "$base" ]; then
    echo "== debootstrap bookworm (once; kept in $base)"
    debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 \
        || { tail -n 20 "$work/debootstrap.log" >&2; exit 1; }
    tar -C "$root" -cf "$base.part" . && mv "$base.part" "$base"
    rm -rf "$root"
fi
mkdir -p "$root"
tar -C "$root" -xf "$base"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
cp "$deb" "$root/tmp/petara3.deb"

echo "== installing $(basename "$deb") with its dependencies"
chroot "$root" sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    --no-install-recommends /tmp/petara3.deb xvfb xauth x11-utils >/tmp/apt.log 2>&1 || { tail -n 30 /tmp/apt.log; exit 1; }'
chroot "$root" dpkg-query -W -f='${Package} ${Version}\nDepends: ${Depends}\n' petara3

echo "== starting the game as a player"
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
chroot "$root" useradd -m player
chroot "$root" su player -s /bin/sh -c 'xvfb-run -a /bin/sh /tmp/play.sh'
echo "== the package installs and runs in a clean Debian 12"
