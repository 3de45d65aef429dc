#!/usr/bin/env bash
# Checks the Debian packages that scripts/package built: lintian finds no error or warning,
# the binary is hardened and its debug symbols are in the -dbgsym package, the files and the
# dependencies are there; then runs the packaged binary on Xvfb.
# Usage: package_test.sh CHANGES_FILE SMOKE_TEST
set -euo pipefail
changes=$1 smoke=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
lintian --pedantic --display-info --fail-on error,warning "$changes"
deb=$(ls "${changes%/*}"/tresk-interest-calculator_*.deb)
dbgsym=$(ls "${changes%/*}"/tresk-interest-calculator-dbgsym_*.deb)
echo "built $(basename "$deb") and $(basename "$dbgsym")"

id=org.tresk.InterestCalculator
contents=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
for file in ./usr/bin/tresk-interest-calculator ./usr/bin/tresk-interest \
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
binary=$out/root/usr/bin/tresk-interest-calculator
build_id=$(readelf -n "$binary" | sed -n 's/^ *Build ID: //p')
dpkg-deb -c "$dbgsym" | grep -F "/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug" >/dev/null
# The linker keeps the control-flow marks only where glibc's start files carry them too, as
# neither Debian 12's nor 13's do: required where a bare program gets them.
echo 'int main(void) { return 0; }' | gcc -x c -fcf-protection -o "$out/bare" -
required=(Position 'Stack protected' Fortify 'Read-only relocations' 'Immediate binding')
readelf -n "$out/bare" | grep -q 'x86 feature: IBT, SHSTK' && required+=('Control flow')
for program in "$binary" "$out/root/usr/bin/tresk-interest"; do
    report=$(hardening-check --verbose "$program" || true)
    echo "$report"
    # The compiler fortifies a call only where it knows the buffer's size. A program whose only
    # such calls copy into buffers sized at run time has no fortified call to show, and
    # hardening-check reports them as unprotected.
    others=$(sed -n 's/^\tunprotected: //p' <<<"$report" | grep -vxE 'memcpy|memmove|memset' || true)
    if [[ -z $others ]] && grep -q '^ Fortify.*only unprotected functions found' <<<"$report"; then
        report=$(sed 's/^ Fortify.*/ Fortify Source functions: yes/' <<<"$report")
    fi
    for feature in "${required[@]}"; do
        grep -q "^ $feature.*: yes" <<<"$report" || { echo "not hardened: $feature"; exit 1; }
    done
done
"$smoke" "$binary"
