#!/usr/bin/env bash
# Builds the Debian package of a build into a temporary folder and checks what
# it holds: the programs, the help and manual pages, the desktop entry, the
# metadata, the job type and the icons, dependencies from the linked libraries,
# no caches of its own; the desktop entry and the metadata validate, and a
# desktop with the package's files opens job files with the program.
# Usage: check_package.sh BUILD_DIR
set -euo pipefail
build="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps file appstreamcli desktop-file-validate update-mime-database \
            update-desktop-database xdg-mime man; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 0; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cpack -G DEB -B "$work/out" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack -G DEB"; }
debs=("$work"/out/morvane_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "no single morvane_*.deb: $(ls "$work/out")"
deb="${debs[0]}"

version="$("$build/src/cli/morvane-cli" --version | sed -n '1s/^morvane-cli (Morvane) //p')"
[ -n "$version" ] || fail "morvane-cli --version"
[ "$(dpkg-deb -f "$deb" Package)" = morvane ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version), program $version"
depends="$(dpkg-deb -f "$deb" Depends)"
for dependency in libqt6widgets6 libqt6core6 libjpeg62-turbo zlib1g libc6 fonts-liberation; do
  [[ "$depends" == *"$dependency"* ]] || fail "Depends lacks $dependency: $depends"
done

id=org.morvane.Morvane
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$work/contents"
expected=(/usr/bin/morvane /usr/bin/morvane-cli /usr/share/doc/morvane/help.html
          /usr/share/doc/morvane/copyright /usr/share/doc/morvane/changelog.gz
          /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml
          /usr/share/mime/packages/morvane.xml /usr/share/icons/hicolor/scalable/apps/$id.svg
          /usr/share/man/man1/morvane-cli.1.gz /usr/share/man/man1/morvane.1.gz)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "${expected[@]}"; do
  grep -qx "$f" "$work/contents" || fail "$f not in the package"
done
if grep -E '/(mime\.cache|mimeinfo\.cache|icon-theme\.cache)$' "$work/contents"; then
  fail "the package holds a cache that the triggers own"
fi

root="$work/root"
dpkg-deb -x "$deb" "$root"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "metadata does not validate"; }
if grep -E '^[EW]:' "$work/appstream.log"; then fail "metadata has errors or warnings"; fi
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "metadata has no release $version"
zcat "$root/usr/share/doc/morvane/changelog.gz" | head -1 | grep -q "^morvane ($version) " ||
  fail "the change log does not start with $version"
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry does not validate"
grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" || fail "Icon line of the desktop entry"

# The manual page: its version, no warnings from man, and every command of
# the usage text.
for page in morvane morvane-cli; do
  zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q "^\.TH .* \"Morvane $version\"" || fail "$page.1 is not of $version"
  warnings="$(MANWIDTH=200 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >"$work/$page.txt")"
  [ -z "$warnings" ] || fail "$page.1: $warnings"
done
"$build/src/cli/morvane-cli" --help | sed -n 's/^  \(morvane-cli [a-z]\+\( [a-z][a-z-]*\)\?\) .*/\1/p' | sort -u >"$work/commands"
[ "$(wc -l <"$work/commands")" -ge 8 ] || fail "usage text lists $(wc -l <"$work/commands") commands"
while read -r command; do
  grep -qF "$command " "$work/morvane-cli.txt" || fail "manual page lacks '$command'"
done <"$work/commands"

# What the triggers do on installing, done on the package's files alone: the
# job type then has the program as its handler and the program's icon.
update-mime-database "$root/usr/share/mime" >/dev/null 2>&1
update-desktop-database "$root/usr/share/applications"
grep -qx "application/x-morvane-job:$id" "$root/usr/share/mime/icons" || fail "the job type has not the program's icon"
export XDG_DATA_DIRS="$root/usr/share" XDG_DATA_HOME="$work/user-data" XDG_CONFIG_HOME="$work/config"
export XDG_CONFIG_DIRS="$work/config-dirs" XDG_CURRENT_DESKTOP=X-Generic
default="$(xdg-mime query default application/x-morvane-job)"
[ "$default" = "$id.desktop" ] || fail "default application is '$default'"
echo "package $(basename "$deb") holds $(wc -l <"$work/contents") paths and checks out"
