#!/usr/bin/env bash
# Builds the Debian package from this build, checks its control data and contents, unpacks
# it into a root of its own and starts the unpacked program under Xvfb (see
# package-session.sh), far from the build folder.
set -euo pipefail
build=$(realpath "$1")
probe=$(realpath "$2")
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d /tmp/tessaly-package-XXXXXX)
source "$(dirname "$(realpath "$0")")/../common/stop-and-clean.sh"
trap 'remove_home "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

started=$SECONDS
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb="$work/out/tessaly_${version}_amd64.deb"
[ -f "$deb" ] || { ls "$work/out"; fail "no tessaly_${version}_amd64.deb"; }
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes, built in $((SECONDS - started)) s"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tessaly ] || fail "package name $(field Package)"
[ "$(field Section)" = games ] || fail "section $(field Section)"
[ "$(field Architecture)" = amd64 ] || fail "architecture $(field Architecture)"
depends=$(field Depends)
for needed in fonts-liberation2 fonts-dejavu-core libqt6widgets6 libjpeg62-turbo libc6; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
field Description | grep 'jigsaw puzzle' >/dev/null || fail "no English description"
field Description | grep 'Puzzle und bietet außerdem' >/dev/null || fail "no German description"
echo "depends: $depends"

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||' >"$work/contents"
for path in usr/games/tessaly usr/lib/tessaly/libtsmotive.so usr/lib/tessaly/libtsaudio.so usr/lib/tessaly/libtssink.so \
            usr/lib/tessaly/libtsprint.so \
            usr/lib/tessaly/tessaly-picture-reader usr/share/tessaly/tessaly.html \
            usr/share/applications/tessaly.desktop usr/share/metainfo/tessaly.metainfo.xml \
            usr/share/man/man6/tessaly.6.gz usr/share/man/de/man6/tessaly.6.gz \
            usr/share/doc/tessaly/copyright usr/share/doc/tessaly/changelog.gz; do
    grep -qx "$path" "$work/contents" || fail "package lacks $path"
done
for size in 16 22 24 32 48 64 128 256; do
    grep -qx "usr/share/icons/hicolor/${size}x${size}/apps/tessaly.png" "$work/contents" ||
        fail "package lacks the ${size} pixel icon"
done
# Nothing of the build or the tests comes along.
if grep -Eq '(_tests|_bench|_gallery|\.a)$' "$work/contents"; then
    fail "package carries build files: $(grep -E '(_tests|_bench|_gallery|\.a)$' "$work/contents")"
fi

root="$work/root"
dpkg-deb -x "$deb" "$root"
for size in 16 22 24 32 48 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/tessaly.png"
    file -b "$icon" | grep "PNG image data, $size x $size" >/dev/null || fail "icon $size is $(file -b "$icon")"
done
desktop-file-validate "$root/usr/share/applications/tessaly.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/tessaly.metainfo.xml" >/dev/null ||
    fail "metainfo"
runpath=$(readelf -d "$root/usr/games/tessaly" | sed -n 's/.*R\(UN\)\?PATH.*\[\(.*\)\]/\2/p')
[ "$runpath" = '$ORIGIN/../lib/tessaly' ] || fail "the program's library path is '$runpath'"
file -b "$root/usr/games/tessaly" | grep 'not stripped' >/dev/null && fail "the program is not stripped"
echo "contents, icons, desktop entry, metainfo and library path in order"

# Debian's own checks of a package: no error and no warning (the remarks it makes are
# printed). CI installs lintian; a machine without it skips this step.
if command -v lintian >/dev/null; then
    lintian --display-info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
        { cat "$work/lintian.log"; fail "lintian finds errors or warnings"; }
    grep -v 'root privileges' "$work/lintian.log" || true
    echo "lintian: no errors, no warnings"
else
    echo "lintian is not installed: the package's Debian checks are skipped"
fi

# The unpacked program must find everything through its own layout, nothing through the
# build folder or the environment. TESSALY_PACKAGE_SHOTS names a folder that keeps the
# screenshots taken.
home="$work/home"
mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
unset LD_LIBRARY_PATH QT_QPA_PLATFORM QT_PLUGIN_PATH
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime"
"$probe" jpeg "$work/Urlaub.jpg" 800 600 -platform offscreen
"$probe" png "$work/Bildschirm.png" 800 600 -platform offscreen
cd "$work"
xvfb-run -a -s "-screen 0 1280x1024x24" \
    bash "$here/package-session.sh" "$root" "$probe" "$work/Urlaub.jpg" "$work" "$work/Bildschirm.png"
