# Shell functions for the checks that run in a clean Debian 12 root (sourced, not run).
# The bare root is made once with debootstrap (minbase) and kept as a tarball; each check unpacks
# a fresh copy of it, so a check never sees what an earlier one installed.

# The Debian mirror: PETARA_MIRROR, else the one this machine's apt uses, else Debian's own.
debian_mirror() {
    if [ -n "${PETARA_MIRROR:-}" ]; then
        echo "$PETARA_MIRROR"
        return
    fi
    mirror=$(grep -rhE '^URIs:.*/debian/?$' /etc/apt/sources.list.d/ 2>/dev/null | head -n 1 | awk '{print $2}')
    [ -n "$mirror" ] || mirror=$(grep -rhE '^deb .*/debian/? bookworm ' /etc/apt/sources.list \
        /etc/apt/sources.list.d/ 2>/dev/null | head -n 1 | awk '{print $2}')
    echo "${mirror:-http://deb.debian.org/debian}"
}

# root_cache PROJECT: where the bare root's tarball is kept, for every check of the project.
root_cache() {
    echo "${PETARA_ROOT_CACHE:-$1/build-debian-root}"
}

# root_unmount ROOT: undoes root_unpack's mounts.
root_unmount() {
    for m in proc sys dev; do
        mountpoint -q "$1/$m" 2>/dev/null && umount -l "$1/$m"
    done
    return 0
}

# root_remove ROOT: unmounts and deletes an unpacked root.
root_remove() {
    root_unmount "$1"
    rm -rf "$1"
}

# root_unpack CACHE ROOT: a fresh minimal bookworm root in ROOT, made from CACHE/bookworm-minbase.tar
# (debootstrapped into it first when missing), with /proc, /sys and /dev mounted and the host's
# name servers, ready for chroot.
root_unpack() {
    cache=$1
    root=$2
    base="$cache/bookworm-minbase.tar"
    mkdir -p "$cache"
    root_remove "$root"
    if [ ! -f "$base" ]; then
        command -v debootstrap >/dev/null || { echo "debootstrap is missing" >&2; return 1; }
        echo "== debootstrap bookworm (once; kept in $base)"
        debootstrap --variant=minbase bookworm "$root" "$(debian_mirror)" >"$cache/debootstrap.log" 2>&1 \
            || { tail -n 20 "$cache/debootstrap.log" >&2; return 1; }
        tar -C "$root" -cf "$base.part" . && mv "$base.part" "$base"
        rm -rf "$root"
    fi
    mkdir -p "$root"
    tar -C "$root" -xf "$base"
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
}

# in_root ROOT COMMAND: runs a shell command in the root as its root user, with a clean environment.
in_root() {
    chroot "$1" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin /bin/sh -c "$2"
}
