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
trap cleanup EXIT INT TERM
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
petara3 >/tmp/petara3.log 2>&1 &
pid=$!
found=no
for i in $(seq 60); do
    if xwininfo -root -tree | grep -q '("petara3" '; then found=yes; break; fi
    sleep 1
done
xwininfo -root -tree | grep petara3 | head -n 3
kill $pid
wait $pid || true
cat /tmp/petara3.log
[ $found = yes ] || { echo "no game window appeared"; exit 1; }
test -f "$HOME/.local/share/petara3/data/facedata.ini" || { echo "no per-user folder"; exit 1; }
test -d "$HOME/.local/share/petara3/Library" || { echo "no works folder"; exit 1; }
ls -A "$HOME/.local/share/petara3"
PLAY
chroot "$root" useradd -m player
chroot "$root" su player -s /bin/sh -c 'xvfb-run -a /bin/sh /tmp/play.sh'
echo "== the package installs and runs in a clean Debian 12"
