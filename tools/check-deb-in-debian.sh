#!/usr/bin/env bash
# check-deb-in-debian.sh PACKAGE.deb [ROOT_DIR]
# Installs the package with apt-get on a clean Debian 12 system made by debootstrap in ROOT_DIR
# (a new temporary folder by default; an existing one is reused), then, as a new user, starts
# morvane-cli from an unrelated folder and the menu entry's command under Xvfb and offscreen.
# Needs root, debootstrap and network access to the Debian mirror (DEBIAN_MIRROR).
set -euo pipefail
deb="$(realpath "$1")"
root="${2:-$(mktemp -d /var/tmp/morvane-debian.XXXXXX)}"
mirror="${DEBIAN_MIRROR:-http://deb.debian.org/debian}"

if [ ! -x "$root/usr/bin/apt-get" ]; then
    echo "== debootstrap bookworm into $root"
    debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log"
fi
mount -t proc proc "$root/proc"
trap 'umount "$root/proc"' EXIT
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
as_user() { in_root su - tester -c "$1"; }

cp "$deb" "$root/tmp/"
echo "== apt-get install ./$(basename "$deb")"
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall \
    "/tmp/$(basename "$deb")" xvfb xauth >"$root.install.log" 2>&1 ||
    { tail -20 "$root.install.log"; exit 1; }
in_root dpkg -s morvane | grep -E '^(Version|Depends):'
in_root id tester >/dev/null 2>&1 || in_root useradd --create-home tester

desktop=/usr/share/applications/net.morvane.Morvane.desktop
command=$(sed -n 's/^Exec=//p' "$root$desktop")
echo "== the menu entry's command: $command ($(in_root sh -c "command -v $command"))"

echo "== morvane-cli --verbose html Stars, from /tmp"
as_user 'cd /tmp && morvane-cli --version && morvane-cli --verbose html Stars | head -4'
as_user 'ls ~/.local/share/morvane'

echo "== $command under xvfb-run (the X11 plugin), then offscreen, 10 seconds each"
for run in "xvfb-run -a timeout 10 $command" "QT_QPA_PLATFORM=offscreen timeout 10 $command"; do
    status=0
    as_user "$run" || status=$?
    # 124: still running when the time was up, so it started and stayed up.
    echo "$run: exit status $status $([ "$status" -eq 124 ] && echo '(kept running: started)')"
done
as_user 'grep "^first=" ~/.local/share/morvane/morvane.ini; ls ~/.local/share/morvane/samples/Fade'
