#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the package that install_check.cmake built with apt-get, converts a short video
# with the installed clipvox, checks the AppStream file, the manual page and the desktop
# entry as installed, that a second start hands its video to the running window and that
# the session bus starts Clipvox for "Open with", then removes the package and checks that
# nothing of it is left.
# Usage: install_package.sh FOLDER-WITH-THE-DEB VERSION
set -euo pipefail
folder=$1 version=$2
here=$(dirname "$(realpath "$0")")
deb=$(realpath "$folder/clipvox_${version}_$(dpkg --print-architecture).deb")

skip() { echo "install_package skipped: $*"; exit 0; }
fail() { echo "install_package failed: $*" >&2; exit 1; }

# Installing needs root, or sudo without a password; CI runs as root and never skips.
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif sudo -n true 2>/dev/null; then
  sudo=(sudo -n)
elif [ "${CI:-}" = true ]; then
  fail "installing the package needs root or sudo without a password"
else
  skip "installing the package needs root or sudo without a password"
fi
installed() { dpkg-query -W -f='${db:Status-Abbrev}' clipvox 2>/dev/null | grep -q '^.[iufhwt]'; }
# A developer's own installed Clipvox is not replaced; CI machines are the check's own.
if installed && [ "${CI:-}" != true ]; then
  skip "a clipvox package is installed on this machine and is left as it is"
fi

apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=300)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
# apt-get reads the package as its unprivileged user: a copy in a readable folder.
cp "$deb" "$scratch/"
deb="$scratch/$(basename "$deb")"

# What was there before: the packages, and which of the package's paths already existed.
dpkg-query -W -f='${binary:Package}\n' | sort > "$scratch/packages-before"
dpkg-deb --contents "$deb" | sed -E 's/^.* \.(\/[^ ]*).*$/\1/; s:/$::' > "$scratch/paths"
while read -r path; do
  [ -e "$path" ] || [ -L "$path" ] && echo "$path"
done < "$scratch/paths" > "$scratch/paths-before" || true

"${apt[@]}" install --no-install-recommends "$deb" > "$scratch/apt.log" 2>&1 \
  || fail "apt-get install: $(cat "$scratch/apt.log")"
dpkg-query -W -f='${binary:Package}\n' | sort > "$scratch/packages-after"
added=$(comm -13 "$scratch/packages-before" "$scratch/packages-after" | grep -v '^clipvox$' || true)
cleanup_added() {
  [ -z "$added" ] || "${apt[@]}" remove $added > /dev/null 2>&1 || true
}

check_installed() {
  [ "$(dpkg-query -W -f='${Version}' clipvox)" = "$version" ] || fail "clipvox $version is not installed"
  [ "$(command -v clipvox)" = /usr/bin/clipvox ] || fail "clipvox on the PATH is $(command -v clipvox)"

  # A two-second video, converted by the installed program; the settings go to the scratch folder.
  ffmpeg -v error -f lavfi -i "sine=frequency=440:duration=2" -f lavfi -i "testsrc=size=64x48:rate=10:duration=2" \
    -c:a aac -c:v mpeg4 "$scratch/talk.mp4" || fail "ffmpeg could not make the test video"
  local said rc=0
  said=$(cd "$scratch" && XDG_CONFIG_HOME="$scratch/config" clipvox --convert --format ogg --output "$scratch/sound" talk.mp4) || rc=$?
  [ "$rc" -eq 0 ] || fail "clipvox --convert exited with $rc: $said"
  [ "$said" = "ok talk.mp4 -> $scratch/sound/talk.ogg (00:00:02)" ] || fail "clipvox --convert said: $said"
  [ "$(ffprobe -v error -show_entries stream=codec_name -of csv=p=0 "$scratch/sound/talk.ogg")" = vorbis ] \
    || fail "the output is no Vorbis file"

  # The translations travel inside the program: the installed one speaks German.
  said=$(LANG=de_DE.UTF-8 LANGUAGE= clipvox --convert --help 2>&1 | head -1)
  [[ "$said" == Aufruf:* ]] || fail "LANG=de_DE.UTF-8 clipvox --convert --help said: $said"

  said=$(appstreamcli validate --no-net /usr/share/metainfo/org.clipvox.Clipvox.metainfo.xml 2>&1) \
    || fail "appstreamcli validate: $said"
  said=$(desktop-file-validate /usr/share/applications/org.clipvox.Clipvox.desktop 2>&1) && [ -z "$said" ] \
    || fail "desktop-file-validate: $said"
  # A German desktop shows the German menu entry.
  grep -qx 'GenericName\[de\]=Audio-Extraktor' /usr/share/applications/org.clipvox.Clipvox.desktop \
    || fail "the installed desktop entry has no German generic name"
  [ -f /usr/share/man/man1/clipvox.1.gz ] \
    || fail "dpkg did not install the manual page (a path-exclude in /etc/dpkg/dpkg.cfg.d?)"
  said=$(MANWIDTH=80 man --warnings clipvox 2>&1 >/dev/null) && [ -z "$said" ] || fail "man --warnings clipvox: $said"
  MANWIDTH=80 man clipvox 2>/dev/null | grep -q -- "--convert" || fail "man clipvox does not show the page"

  # One window: a second start hands its video to the first, under a session bus of its own.
  said=$(dbus-run-session -- bash "$here/single_window.sh" /usr/bin/clipvox 2>&1) \
    || fail "one window for every start: $said"
  # "Open with" on a desktop: the session bus starts the installed Clipvox from its service
  # file and hands it the video, which its window queues (setup.ini records the folder).
  mkdir -p "$scratch/opened/config/clipvox"
  printf '[tips]\nshowtip=0\n' > "$scratch/opened/config/clipvox/setup.ini"
  said=$(QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$scratch/opened/config" XDG_STATE_HOME="$scratch/opened/state" dbus-run-session -- bash -c '
    gdbus call --session --dest org.clipvox.Clipvox --object-path /org/clipvox/Clipvox \
      --method org.freedesktop.Application.Open "[\"file://$1\"]" "{}" > /dev/null || exit 1
    pid=$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
      --method org.freedesktop.DBus.GetConnectionUnixProcessID org.clipvox.Clipvox | sed -E "s/.*uint32 ([0-9]+).*/\\1/")
    for _ in $(seq 600); do
      grep -qxF "lastfolder=$2" "$3" && { kill "$pid"; exit 0; }
      sleep 0.1
    done
    kill "$pid"; exit 1' - "$scratch/talk.mp4" "$scratch/" "$scratch/opened/config/clipvox/setup.ini" 2>&1) \
    || fail "the session bus did not start Clipvox with the video: $said"

  # "Open with Clipvox": the desktop database lists it for MP4 and MKV.
  if [ -f /usr/share/applications/mimeinfo.cache ]; then
    for type in video/mp4 video/x-matroska; do
      grep -q "^$type=.*org\.clipvox\.Clipvox\.desktop" /usr/share/applications/mimeinfo.cache \
        || fail "the desktop database does not offer Clipvox for $type"
    done
  fi
}
if ! (check_installed); then
  "${apt[@]}" remove clipvox > /dev/null 2>&1 || true
  cleanup_added
  exit 1
fi

# apt-get remove, not purge: the package has no configuration files to leave behind.
"${apt[@]}" remove clipvox > "$scratch/apt.log" 2>&1 || fail "apt-get remove: $(cat "$scratch/apt.log")"
cleanup_added
status=$(dpkg-query -W -f='${db:Status-Abbrev}' clipvox 2>/dev/null || true)
[ -z "$status" ] || [ "${status:0:2}" = un ] || [ "${status:0:2}" = pn ] \
  || fail "after apt-get remove dpkg still knows clipvox as \"$status\""
left=()
while read -r path; do
  if { [ -e "$path" ] || [ -L "$path" ]; } && ! grep -qxF "$path" "$scratch/paths-before"; then
    left+=("$path")
  fi
done < "$scratch/paths"
[ ${#left[@]} -eq 0 ] || fail "left behind after apt-get remove: ${left[*]}"
if [ -f /usr/share/applications/mimeinfo.cache ] && grep -q 'org\.clipvox\.Clipvox' /usr/share/applications/mimeinfo.cache; then
  fail "the desktop database still offers Clipvox after apt-get remove"
fi
echo "installed $(basename "$deb"), converted a video with it and removed it without a trace"
