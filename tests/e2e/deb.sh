#!/usr/bin/env bash
# Builds the Debian package and checks that it holds the two programs, the menu
# entry and the icon, and that it depends on the package of every library the
# programs link to.
# Usage: deb.sh BUILD_DIR
set -euo pipefail
BUILD=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/zafirel_*.deb)
dpkg-deb -c "$deb" >"$out/contents"
for f in usr/bin/zafirel usr/bin/zafirel-sample-disc usr/share/applications/zafirel.desktop \
  usr/share/icons/hicolor/256x256/apps/zafirel.png; do
  grep -q " \./$f\$" "$out/contents" || { echo "not in the package: $f"; exit 1; }
done

depends=$(dpkg-deb -f "$deb" Depends)
arch=$(dpkg --print-architecture)
multiarch=$(gcc -print-multiarch)
echo "Depends: $depends"
for exe in "$BUILD/src/zafirel" "$BUILD/tools/sample_disc/sample_disc"; do
  objdump -p "$exe" | awk '/NEEDED/ { print $2 }'
done | sort -u | while read -r lib; do
  # In the architecture's library folder; a package that is not Multi-Arch
  # (libitl0) names no architecture.
  pkg=$(dpkg -S "*/$multiarch/$lib" 2>/dev/null |
    sed -n "s/^\([^:,]*\)\(:$arch\)\{0,1\}: .*/\1/p" | head -n1)
  [ -n "$pkg" ] || { echo "no package holds $lib"; exit 1; }
  [[ ", $depends," == *", $pkg "* || ", $depends," == *", $pkg,"* ]] ||
    { echo "no dependency on $pkg (for $lib)"; exit 1; }
done
