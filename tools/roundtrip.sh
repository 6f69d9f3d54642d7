#!/bin/sh
# The package's whole life on a fresh Debian 12 root, as root on this machine:
# debootstrap bookworm, install the .deb with apt, start the installed reader
# from its menu entry's Exec line under Xvfb as an ordinary user until its
# window shows, end it with SIGTERM, remove the package and check that
# nothing of it is left. Takes several minutes (it downloads the base system
# and the libraries); it is not part of tools/test.sh.
#   tools/roundtrip.sh [PACKAGE.deb]      (default: builds one with tools/package.sh)
set -eu
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "the round trip needs root (debootstrap, chroot)" >&2; exit 1; }
mirror=${QUILLORA_MIRROR:-http://deb.debian.org/debian}

if [ $# -ge 1 ]; then deb=$(realpath "$1"); else
  tools/package.sh >/dev/null
  deb=$(realpath "$(ls -t build/quillora_*.deb | head -1)")
fi
. tools/steps.sh
command -v debootstrap >/dev/null ||
  step "installing debootstrap" env DEBIAN_FRONTEND=noninteractive apt-get install -y debootstrap

root=$(mktemp -d /var/tmp/quillora-roundtrip.XXXXXX)
chmod 755 "$root"  # the root of the new system, open to its users
cleanup() {
  umount -R "$root/proc" "$root/sys" "$root/dev" 2>/dev/null || true
  # Never delete through a mount that is still there (it would reach the host).
  if findmnt -rno TARGET | grep -q "^$root/"; then
    echo "mounts remain under $root; not deleting it" >&2
  else
    rm -rf --one-file-system "$root"
  fi
}
trap cleanup EXIT INT TERM
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

step "bootstrapping Debian 12 in $root" debootstrap --variant=minbase bookworm "$root" "$mirror"
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys" && mount --make-rslave "$root/sys"
mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
cat >"$root/etc/apt/sources.list" <<SOURCES
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb ${mirror%/debian}/debian-security bookworm-security main
SOURCES
cp /etc/resolv.conf "$root/etc/resolv.conf"
step "updating the package lists" in_root apt-get update
# The tools that watch the reader; not part of what the package brings.
step "installing the test tools" in_root env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y --no-install-recommends xvfb xauth xdotool
snapshot() {  # every path of the system that a package could leave behind
  chroot "$root" find / -xdev \( -path /proc -o -path /sys -o -path /dev -o -path /tmp \
    -o -path /var/cache -o -path /var/lib/apt -o -path /var/lib/dpkg -o -path /var/log \
    -o -path /home \) -prune -o -print | LC_ALL=C sort
}
in_root useradd -m reader

cp "$deb" "$root/tmp/"
start=$(date +%s)
step "installing $(basename "$deb") with apt" in_root env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y "/tmp/$(basename "$deb")"
echo "   installed in $(($(date +%s) - start)) s; $(in_root dpkg-query -W -f='${Installed-Size}' quillora) KiB"
in_root dpkg -L quillora >"$root/tmp/owned"
# What the system should be once the package is gone: as now, without the
# paths only this package owns (its dependencies stay; they are apt's to remove).
while read -r path; do
  [ "$(in_root dpkg-query -S "$path" 2>/dev/null | sed 's/: .*//')" = quillora ] && echo "$path"
done <"$root/tmp/owned" | LC_ALL=C sort >"$root/tmp/own-only"
snapshot | LC_ALL=C comm -23 - "$root/tmp/own-only" >"$root/tmp/expected"

entry=$(grep -l '^Exec=' "$root"/usr/share/applications/*quillora*.desktop)
exec_line=$(sed -n 's/^Exec=//p' "$entry" | sed 's/ *%[a-zA-Z]//g')
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
cat >"$root/tmp/run.sh" <<RUN
#!/bin/sh
# As the user: start the reader, wait for its window, end it with SIGTERM.
$exec_line >/tmp/reader.log 2>&1 &
pid=\$!
for i in \$(seq 120); do
  xdotool search --onlyvisible --class "$wm_class" >/dev/null 2>&1 && break
  kill -0 \$pid 2>/dev/null || { echo "the reader ended before its window showed"; exit 1; }
  sleep 0.5
done
xdotool search --onlyvisible --class "$wm_class" >/dev/null || { echo "no window of class $wm_class"; exit 1; }
echo "   window '\$(xdotool search --onlyvisible --class "$wm_class" getwindowname | head -1)' (class $wm_class) after about \$((i / 2)) s"
kill -TERM \$pid
wait \$pid
status=\$?
echo "   ended by SIGTERM with status \$status"
[ \$status -eq 0 ] && [ ! -e "\$HOME/.cache/quillora/temp/dicts" ] && [ -f "\$HOME/.config/Quillora/quillora.ini" ]
RUN
chmod +x "$root/tmp/run.sh"
echo "== starting '$exec_line' under Xvfb as a user"
if ! chroot "$root" su - reader -c 'xvfb-run -a -s "-screen 0 1280x1024x24" /tmp/run.sh'; then
  cat "$root/tmp/reader.log" >&2
  echo "== the installed reader did not start and end as expected" >&2
  exit 1
fi
step "removing the package" in_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y quillora
left=0
while read -r path; do
  [ -d "$root$path" ] || [ ! -e "$root$path" ] || { echo "left behind: $path"; left=1; }
done <"$root/tmp/owned"
in_root dpkg-query -W quillora >/dev/null 2>&1 && { echo "dpkg still knows quillora"; left=1; }
snapshot >"$root/tmp/after"
# Paths that are new since the package was installed were left behind; a
# cache its triggers made and removed again (the icon theme's) is no matter.
LC_ALL=C comm -13 "$root/tmp/expected" "$root/tmp/after" >"$root/tmp/new"
[ ! -s "$root/tmp/new" ] || { echo "left behind:"; cat "$root/tmp/new"; left=1; }
LC_ALL=C comm -23 "$root/tmp/expected" "$root/tmp/after" | sed 's/^/   gone with the package (made by triggers): /'
[ $left -eq 0 ] || { echo "== something was left behind" >&2; exit 1; }
echo "== round trip passed: $(basename "$deb"), $(stat -c %s "$deb") bytes"
