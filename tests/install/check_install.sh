#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks every installed file, then builds the
# Debian package, lists and unpacks it and runs its programs from the unpacked tree.
#   usage: check_install.sh BUILD_DIR DESKTOP_ID FIXTURE_DIR
set -euo pipefail
build=$(cd "$1" && pwd) id=$2 fixtures=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

module_types=(application/x-ms-dos-executable application/x-dosexec application/x-msdownload
  application/vnd.microsoft.portable-executable application/x-ms-ne-executable
  application/x-wine-extension-cpl image/vnd.microsoft.icon image/x-icon)
cursor_types=(image/x-win-bitmap application/x-navi-animation)
sizes=(16 32 48 64 128 256)

# The width and height of a PNG file from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}'; }

# The installed tree below ROOT/usr.
check_tree() {
  local usr=$1/usr
  for f in bin/zorvane bin/zorvane-cli bin/zorvane-thumbnailer; do
    [ -x "$usr/$f" ] || fail "$f missing or not executable"
  done
  local desktop=$usr/share/applications/$id.desktop
  local metainfo=$usr/share/metainfo/$id.metainfo.xml
  local thumbnailer=$usr/share/thumbnailers/zorvane.thumbnailer
  for f in "$desktop" "$metainfo" "$thumbnailer" "$usr"/share/man/man1/zorvane-{cli,thumbnailer}.1.gz; do
    [ -s "$f" ] || fail "${f#"$1"} missing"
  done
  for s in "${sizes[@]}"; do
    local icon=$usr/share/icons/hicolor/${s}x${s}/apps/$id.png
    [ "$(png_size "$icon" 2>/dev/null)" = "${s}x${s}" ] || fail "icon $s: $(png_size "$icon" 2>&1)"
  done
  grep -qx 'Exec=zorvane %f' "$desktop" || fail "desktop Exec"
  grep -qx 'Categories=Graphics;Utility;' "$desktop" || fail "desktop Categories"
  grep -qx 'Name=Zorvane' "$desktop" && grep -q '^Name\[ja\]=アイコン' "$desktop" || fail "desktop Name"
  grep -qx 'Exec=zorvane-thumbnailer -s %s %i %o' "$thumbnailer" || fail "thumbnailer Exec"
  for t in "${module_types[@]}"; do
    grep -q "^MimeType=.*$t;" "$desktop" || fail "desktop lacks $t"
    grep -q "^MimeType=.*$t;" "$thumbnailer" || fail "thumbnailer lacks $t"
  done
  for t in "${cursor_types[@]}"; do grep -q "^MimeType=.*$t;" "$thumbnailer" || fail "thumbnailer lacks $t"; done
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
  appstreamcli validate --no-net "$metainfo" >"$tmp/appstream.log" 2>&1 || { cat "$tmp/appstream.log" >&2; fail "appstreamcli validate"; }
  grep -q "version=\"$("$usr/bin/zorvane-cli" --version | cut -d' ' -f2)\"" "$metainfo" || fail "metainfo release version"
}

# The programs as installed: the versions, and a thumbnail of a module.
check_programs() {
  local bin=$1/usr/bin
  [ "$("$bin/zorvane-cli" --version)" = "zorvane-cli 1.10" ] || fail "zorvane-cli --version"
  [ "$("$bin/zorvane-thumbnailer" --version)" = "zorvane-thumbnailer 1.10" ] || fail "zorvane-thumbnailer --version"
  "$bin/zorvane-thumbnailer" -s 24 "$fixtures/numbered.dll" "$tmp/thumb.png" || fail "thumbnailer run"
  [ "$(png_size "$tmp/thumb.png" 2>/dev/null)" = "24x24" ] || fail "thumbnail size"
  rm -f "$tmp/thumb.png"
}

DESTDIR=$tmp/root cmake --install "$build" --prefix /usr >/dev/null
[ -z "$(find "$tmp/root" -mindepth 1 -maxdepth 1 ! -name usr)" ] || fail "files outside the prefix"
check_tree "$tmp/root"
check_programs "$tmp/root"

(cd "$tmp" && cpack -G DEB -B "$tmp/pkg" --config "$build/CPackConfig.cmake" >"$tmp/cpack.log" 2>&1) ||
  { cat "$tmp/cpack.log" >&2; fail "cpack"; }
deb=$(find "$tmp/pkg" -maxdepth 1 -name "*.deb" 2>/dev/null | head -1)
if [ -n "$deb" ]; then
  dpkg-deb -c "$deb" >"$tmp/contents"
  for f in bin/zorvane bin/zorvane-cli bin/zorvane-thumbnailer share/thumbnailers/zorvane.thumbnailer; do
    grep -q " \./usr/$f$" "$tmp/contents" || fail "package lists no $f"
  done
  depends=$(dpkg-deb -f "$deb" Depends)
  for lib in libc6 libqt6widgets6 zlib1g; do [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"; done
  dpkg-deb -e "$deb" "$tmp/control"
  scripts=$(find "$tmp/control" -name 'p*inst' -o -name 'p*rm' -o -name config)
  [ -z "$scripts" ] || fail "maintainer scripts: $scripts"
  dpkg-deb -x "$deb" "$tmp/unpacked"
  check_tree "$tmp/unpacked"
  check_programs "$tmp/unpacked"
else
  fail "no .deb written"
fi

[ "$failures" -eq 0 ] && echo "install and package: ok"
exit $((failures > 0))
