#!/usr/bin/env bash
# Installs the build into a scratch prefix, checks that every file is where the freedesktop
# specifications look for it, and opens the installed binary's window on Xvfb.
# Usage: install_test.sh BUILD_DIR SMOKE_TEST
set -euo pipefail
build=$1 smoke=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.tresk.InterestCalculator
expected=(
    bin/tresk-interest-calculator
    bin/tresk-interest
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
    share/icons/hicolor/scalable/apps/$id.svg
    share/icons/hicolor/48x48/apps/$id.png
    share/icons/hicolor/128x128/apps/$id.png
    share/icons/hicolor/256x256/apps/$id.png
    share/man/man1/tresk-interest-calculator.1
    share/man/man1/tresk-interest.1
)
for file in "${expected[@]}"; do
    [[ -f $prefix/$file ]] || { echo "not installed: $file"; exit 1; }
done
[[ -x $prefix/bin/tresk-interest-calculator ]]
file "$prefix/share/icons/hicolor/48x48/apps/$id.png" | grep -q '48 x 48'
extra=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort | comm -13 <(printf '%s\n' "${expected[@]}" | sort) -)
[[ -z $extra ]] || { echo "installed but not expected: $extra"; exit 1; }
echo "installed ${#expected[@]} files under the prefix"

"$smoke" "$prefix/bin/tresk-interest-calculator"
