#!/usr/bin/env bash
# The installer under wine, in a fresh prefix: a silent install puts the program, its
# Start-menu entry and its entry in Add/Remove Programs in place, the installed program opens
# its window and the console program answers a file, with only the DLLs beside them, and a
# silent uninstall takes all of them away again.
# Usage: installer_test.sh SETUP X11_SMOKE CERTIFICATES_FILE TOTAL
set -euo pipefail
setup=$1 smoke=$2 certificates=$3 total=$4
product="Tresk Interest Calculator"
scratch=$(mktemp -d)
export WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
trap 'wineserver -k 2>/dev/null; rm -rf "$scratch"' EXIT
folder="$WINEPREFIX/drive_c/Program Files/$product"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$product.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\tresk-interest-calculator'
# Wine's own processes outlive each call: they get a file, not the test runner's pipe.
quiet() { "$@" </dev/null >>"$scratch/wine.log" 2>&1; }

quiet wine "$setup" /S
[[ -f $folder/tresk-interest-calculator.exe && -f $folder/tresk-interest.exe && -f $shortcut ]]
quiet wine reg query "$key" /v UninstallString
# Wine's desktop keeps the display it started with: the program's gets the test's X server.
wineserver -k
printf '#!/bin/sh\nexec wine %q </dev/null >>%q\n' "$folder/tresk-interest-calculator.exe" \
    "$scratch/wine.log" >"$scratch/run"
chmod +x "$scratch/run"
"$smoke" "$scratch/run"
wineserver -k
wine "$folder/tresk-interest.exe" --year 2024 "$certificates" </dev/null >"$scratch/answer.csv" \
    2>>"$scratch/wine.log"
grep -qx "Total,,,,$total" "$scratch/answer.csv"
wineserver -k

# The uninstaller hands over to a copy of itself and returns at once.
quiet wine "$folder/uninstall.exe" /S
for _ in $(seq 300); do [[ -e $folder ]] || break; sleep 0.1; done
[[ ! -e $folder && ! -e $shortcut ]]
if quiet wine reg query "$key"; then
    echo "the entry in Add/Remove Programs outlived the uninstall"
    exit 1
fi
echo "installed, started and uninstalled: $(basename "$setup")"
