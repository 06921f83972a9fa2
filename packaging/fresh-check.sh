#!/bin/sh
# The README's set-up on a new machine: clones the committed tree into a minimal Debian 12 root
# that has nothing but make, and runs `CI=true make test` there. A package that the Makefile
# forgets to install fails here, however complete the developer's own machine is.
# Needs root and the Debian mirror.
# Usage: packaging/fresh-check.sh [build folder] [make target, default test]
set -eu

here=$(cd "$(dirname "$0")" && pwd)
. "$here/debian-root.sh"
project=$(git -C "$here" rev-parse --show-toplevel)
mkdir -p "${1:-build}"
build=$(cd "${1:-build}" && pwd)
target=${2:-test}
[ "$(id -u)" -eq 0 ] || { echo "the check needs root (debootstrap, chroot)" >&2; exit 1; }

work="$build/fresh-check"
root="$work/root"
log="$work/make-$target.log"
trap 'root_remove "$root"' EXIT
trap 'exit 1' INT TERM
mkdir -p "$work"
root_unpack "$(root_cache "$project")" "$root"

echo "== cloning $(git -C "$project" rev-parse --short HEAD) into a bare Debian 12 root"
git clone -q "$project" "$root/root/petara3"
echo "== make $target there, with only make installed (log: $log)"
start=$(date +%s)
if in_root "$root" "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        --no-install-recommends make >/dev/null && cd /root/petara3 && CI=true make $target" >"$log" 2>&1; then
    echo "== make $target passed on a fresh machine in $(($(date +%s) - start)) s"
else
    echo "== make $target FAILED on a fresh machine after $(($(date +%s) - start)) s; the log ends:" >&2
    tail -n 40 "$log" >&2
    exit 1
fi
