#!/usr/bin/env bash
# Lays the program out as a user gets it — `cmake --install` into a temporary prefix, or the Debian package
# unpacked — and checks that it starts from there and finds its databases and pages.
# Usage: check_install.sh BUILD_DIR prefix|deb
set -euo pipefail
build=$1
mode=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

case $mode in
prefix)
    cmake --install "$build" --prefix "$work/prefix" >/dev/null
    root=$work/prefix
    ;;
deb)
    (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >/dev/null)
    deb=$(ls "$work"/pkg/*.deb)
    [ "$(dpkg-deb -f "$deb" Package)" = mingshu ] || fail "package name"
    dpkg-deb -f "$deb" Depends | grep -q fonts-noto-cjk || fail "the package does not ask for a CJK font"
    dpkg-deb -x "$deb" "$work/root"
    root=$work/root/usr
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac

program_dir=$root/lib/mingshu
for f in bin/mingshu bin/mingshu-cli lib/mingshu/mingshu lib/mingshu/mingshu-cli; do
    [ -x "$root/$f" ] || fail "$f is missing or not executable"
done
for db in dream.dll KelFile.dll KelBirth.dll; do
    [ -s "$program_dir/$db" ] || fail "$db is missing"
    sqlite3 -readonly "$program_dir/$db" 'select count(*) from sqlite_master' >/dev/null || fail "$db does not open"
done
for page in help/SMhelp.html help/pages/home.html help/pages/products.html; do
    [ -s "$program_dir/$page" ] || fail "$page is missing"
done
desktop=$root/share/applications/mingshu.desktop
grep -qx 'Name=明枢算命系统' "$desktop" || fail "desktop entry name"
grep -qx 'Exec=mingshu' "$desktop" || fail "desktop entry command"
grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/mingshu.svg" || fail "icon"

# Started from elsewhere, through the launchers, the programs find their program directory.
cd "$work"
[ "$("$root/bin/mingshu-cli" lunar 1980-1-1)" = "$(printf '1979 11 14 0\t己未(羊年)十一月十四\t羊')" ] ||
    fail "mingshu-cli lunar"
"$root/bin/mingshu-cli" article a1 | head -1 | grep -q . || fail "mingshu-cli cannot read KelBirth.dll"
"$root/bin/mingshu-cli" grids 张 三 >/dev/null || fail "mingshu-cli cannot read KelFile.dll"

# The window program comes up offscreen and stays up until it is stopped.
set +e
HOME=$work QT_QPA_PLATFORM=offscreen timeout 3 "$root/bin/mingshu" >"$work/gui.log" 2>&1
rc=$?
set -e
[ $rc -eq 124 ] || {
    cat "$work/gui.log" >&2
    fail "the window program ended by itself (exit $rc)"
}
echo "$mode: installed program starts and finds its files"
