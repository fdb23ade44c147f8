#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the desktop finds
# the program for job files there without "Assign".
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install"; }

for f in bin/morvane bin/morvane-cli share/doc/morvane/help.html share/applications/org.morvane.Morvane.desktop \
         share/mime/packages/morvane.xml share/metainfo/org.morvane.Morvane.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.morvane.Morvane.svg share/icons/hicolor/48x48/apps/org.morvane.Morvane.png \
         share/man/man1/morvane-cli.1.gz; do
  [ -f "$prefix/$f" ] || fail "$f not installed"
done
[ -x "$prefix/bin/morvane" ] || fail "bin/morvane not executable"
grep -qx 'Exec=morvane %f' "$prefix/share/applications/org.morvane.Morvane.desktop" || fail "Exec line of the installed entry"

for tool in desktop-file-validate xdg-mime mimetype update-mime-database; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 0; }
done
desktop-file-validate "$prefix/share/applications/org.morvane.Morvane.desktop" || fail "desktop entry does not validate"
[ -f "$prefix/share/mime/mime.cache" ] || fail "MIME cache not brought up to date"

# The installed prefix as the only system data folder, an empty user folder.
export XDG_DATA_DIRS="$prefix/share" XDG_DATA_HOME="$work/user-data" XDG_CONFIG_HOME="$work/config"
export XDG_CONFIG_DIRS="$work/config-dirs" XDG_CURRENT_DESKTOP=X-Generic
touch "$work/Hall 2.MVN"
type="$(xdg-mime query filetype "$work/Hall 2.MVN")"
[ "$type" = application/x-morvane-job ] || fail "filetype is '$type'"
default="$(xdg-mime query default application/x-morvane-job)"
[ "$default" = org.morvane.Morvane.desktop ] || fail "default application is '$default'"
echo "installed and associated"
