#!/usr/bin/env bash
# check-package.sh BUILD_DIR WORK_DIR PROBE: builds the Debian package with
# CPack, checks its control fields and contents, validates its desktop entry
# and metainfo, and runs the programs from an unpacked copy: velkeval-cli's
# help and a read on a simulated board of its own, and VelkEval offscreen
# until its window shows (PROBE, preloaded, prints the caption and ends it).
# lintian, where present, must report no error.
set -u
build=$1
work=$2
probe=$3
fail() { echo "check-package: $*"; exit 1; }

rm -rf "$work" && mkdir -p "$work"
cpack --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/velkeval_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no package was made"

[ "$(dpkg-deb -f "$deb" Package)" = velkeval ] || fail "Package is not velkeval"
dpkg-deb -f "$deb" Version | grep -qx '[0-9][0-9.]*' || fail "Version: $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation2 libqt6widgets6 libc6; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in usr/bin/VelkEval usr/bin/velkeval-cli usr/bin/syncdelay usr/bin/velk-board \
            usr/lib/velkeval/VelkEval usr/lib/velkeval/libsax.so usr/lib/velkeval/VelkEval.xml \
            usr/share/applications/org.velkeval.VelkEval.desktop usr/share/metainfo/org.velkeval.VelkEval.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/org.velkeval.VelkEval.svg \
            usr/share/icons/hicolor/48x48/apps/org.velkeval.VelkEval.png \
            usr/lib/udev/rules.d/70-velkeval.rules usr/share/man/man1/VelkEval.1.gz \
            usr/share/man/man1/syncdelay.1.gz usr/share/man/man1/velkeval-cli.1.gz usr/share/doc/velkeval/copyright; do
  grep -qx "./$path" <<< "$contents" || fail "the package lacks /$path"
done

root="$work/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x failed"
desktop-file-validate "$root/usr/share/applications/org.velkeval.VelkEval.desktop" || fail "the desktop entry does not validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.velkeval.VelkEval.metainfo.xml" > "$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "the metainfo does not validate"; }

# The unpacked programs find their libraries and the component beside them.
run() {
  env -u VELK_COMPONENT_PATH -u LD_LIBRARY_PATH -u DISPLAY VELK_COMPONENT_REGISTRY="$work/registry" \
    VELK_PORTIO=sim VELK_BOARD_STATE="$work/board" "$@"
}
run "$root/usr/bin/velkeval-cli" --help | grep -q '^Usage: velkeval-cli' || fail "velkeval-cli --help"
run "$root/usr/bin/velkeval-cli" read "$root/usr/lib/velkeval/VelkEval.xml" -o "$work/board.val" > "$work/read.log" 2>&1 ||
  { cat "$work/read.log"; fail "velkeval-cli read on the simulated board failed"; }
grep -q 'devicevalues name="Display Scaler"' "$work/board.val" || fail "the values file names no device: $(head -3 "$work/board.val")"
shown=$(run env QT_QPA_PLATFORM=offscreen LD_PRELOAD="$probe" timeout 60 "$root/usr/bin/VelkEval" 2>"$work/window.log")
[ "$shown" = "window: Velk demonstration board - Display Scaler" ] || { cat "$work/window.log"; fail "VelkEval showed: $shown"; }

if command -v lintian > /dev/null; then
  lintian "$deb" > "$work/lintian.log" 2>&1
  if grep -q '^E:' "$work/lintian.log"; then cat "$work/lintian.log"; fail "lintian reports errors"; fi
fi
echo "check-package: $deb is good"
