#!/usr/bin/env bash
# Builds the Debian package and checks its contents and its computed dependencies; then runs
# the packaged binary on Xvfb. Usage: package_test.sh BUILD_DIR SMOKE_TEST
set -euo pipefail
build=$1 smoke=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$(ls "$out"/*.deb)
echo "built $(basename "$deb")"

id=org.tresk.InterestCalculator
contents=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
for file in ./usr/bin/tresk-interest-calculator \
            ./usr/share/applications/$id.desktop \
            ./usr/share/metainfo/$id.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/$id.svg \
            ./usr/share/icons/hicolor/48x48/apps/$id.png; do
    grep -qxF "$file" <<<"$contents" || { echo "not in the package: $file"; exit 1; }
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q 'libqt6widgets6' <<<"$depends"
grep -q 'fonts-liberation' <<<"$depends"
grep -q 'qt6-wayland' <<<"$depends"
grep -q 'fonts-urw-base35' <<<"$(dpkg-deb -f "$deb" Recommends)"
[[ -n $(dpkg-deb -f "$deb" Maintainer) ]]

dpkg-deb -x "$deb" "$out/root"
"$smoke" "$out/root/usr/bin/tresk-interest-calculator"
