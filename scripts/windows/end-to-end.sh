# The Windows programs end to end under Wine, without a display:
# - Inkstall.exe (a GUI program that opens no window) installs the template
#   from a product folder into a user data folder, both temporary, named in
#   Wine's registry; its effects on files and registry are checked, and a
#   second run and a stale version behave as on Linux;
# - corvane.exe prints what the Linux host prints (line ends aside) for show
#   and for the dry-run play of every macro of the sample templates, and
#   answers errors with the same message and exit code.
# Usage: end-to-end.sh WIN32_BUILD LINUX_HOST   (WINEPREFIX set, server up)
set -euo pipefail
build=$1
linux_host=$2
inkstall=$build/src/installer/Inkstall.exe
host=$build/tools/corvane/corvane.exe
failures=0
checks=0
ok() { checks=$((checks + 1)); }
# Every Windows program gets a time limit, so a hang is a failure, not a
# stuck test run.
wine_program=$(command -v wine)
wine() { timeout 120 "$wine_program" "$@"; }
trap 'echo "end-to-end: stopped by a failed command at line $LINENO" >&2' ERR
bad() { echo "end-to-end: $*" >&2; failures=$((failures + 1)); }

# Both programs: the right subsystem, and only system DLLs imported (the C
# and C++ runtimes are linked in).
for program in "$inkstall:Windows GUI" "$host:Windows CUI"; do
  file=${program%%:*}
  table=$(i686-w64-mingw32-objdump -p "$file")
  grep -q "^Subsystem.*(${program##*:})" <<<"$table" && ok || bad "$file is not a ${program##*:} program"
  foreign=$(sed -n 's/^\s*DLL Name: //p' <<<"$table" |
            grep -viE '^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|winmm|msvcrt|ole32)\.dll$|^Corvane\.dll$' || true)
  [[ -z $foreign ]] && ok || bad "$file imports $(tr '\n' ' ' <<<"$foreign")"
done

# --- Inkstall -------------------------------------------------------------
appPaths='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\Scribora.exe'
shellFolders='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders'
versionKey='HKCU\Software\TALVORA\Scribora\Version'
savedAppData=$(wine reg query "$shellFolders" /v AppData 2>/dev/null | tr -d '\r' |
               sed -n 's/^ *AppData *REG_EXPAND_SZ *//p')
work=$(mktemp -d "$PWD/$build/end-to-end.XXXXXX")
restore() {
  wine reg delete "$appPaths" /f >/dev/null 2>&1 || true
  wine reg delete 'HKCU\Software\TALVORA' /f >/dev/null 2>&1 || true
  wine reg add "$shellFolders" /v AppData /t REG_EXPAND_SZ /d "${savedAppData:-%USERPROFILE%\\AppData\\Roaming}" /f \
    >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap restore EXIT

product="$work/Program Files/Scribora"
target="$work/AppData/Scribora/Scribora.dot"
mkdir -p "$product" "$work/AppData"
printf 'template 2.10' >"$product/Scribora.dot"
windows=$(winepath -w "$work")
wine reg delete 'HKCU\Software\TALVORA' /f >/dev/null 2>&1 || true
wine reg add "$appPaths" /v Path /t REG_SZ /d "$windows\\Program Files\\Scribora\\" /f >/dev/null
wine reg add "$shellFolders" /v AppData /t REG_EXPAND_SZ /d "$windows\\AppData" /f >/dev/null

version() { wine reg query "$versionKey" 2>/dev/null | tr -d '\r' | sed -n 's/^ *\([A-Za-z]*\) *\(REG_[A-Z]*\) *\(.*\)$/\1=\2:\3/p' | sort | tr '\n' ' '; }
recorded='Brand=REG_SZ:NO Extend=REG_DWORD:0xa Main=REG_DWORD:0x2 '
inkstall() { wine "$inkstall"; }

inkstall && ok || bad "Inkstall.exe failed (exit $?)"
[[ -f $target && $(cat "$target") == 'template 2.10' ]] && ok || bad "first run: the template was not copied"
[[ $(version) == "$recorded" ]] && ok || bad "first run: version recorded as '$(version)'"
[[ $(ls -A "$work/AppData/Scribora") == Scribora.dot ]] && ok || bad "first run left $(ls -A "$work/AppData/Scribora")"

# The same version again: the installed template stays as it is.
printf 'template 2.10, rebuilt' >"$product/Scribora.dot"
inkstall && ok || bad "second run failed"
[[ $(cat "$target") == 'template 2.10' ]] && ok || bad "second run: a current template was replaced"

# A stale recorded version: copied and recorded again.
wine reg add "$versionKey" /v Main /t REG_DWORD /d 1 /f >/dev/null
inkstall && ok || bad "third run failed"
[[ $(cat "$target") == 'template 2.10, rebuilt' ]] && ok || bad "stale version: the template was not copied again"
[[ $(version) == "$recorded" ]] && ok || bad "stale version: recorded as '$(version)'"

# Without the product nothing is installed.
rm -rf "$work/AppData/Scribora"
wine reg delete "$appPaths" /f >/dev/null
wine reg delete 'HKCU\Software\TALVORA' /f >/dev/null
inkstall && ok || bad "run without the product failed"
[[ ! -e $work/AppData/Scribora && -z $(version) ]] && ok || bad "without the product something was installed"

# --- corvane.exe against the Linux host ------------------------------------
# Runs both hosts with the same arguments; standard output, standard error and
# exit code must agree, line ends aside.  The JSON "file" field names a path
# with the platform's separator.
same() {
  local linux windows linuxStatus=0 windowsStatus=0
  linux=$("$linux_host" "$@" 2>&1) || linuxStatus=$?
  windows=$(wine "$host" "$@" 2>&1 | tr -d '\r'; exit "${PIPESTATUS[0]}") || windowsStatus=$?
  if [[ $* == *--json* ]]; then windows=$(sed 's/\("file":"[^"]*\)\\\\/\1\//' <<<"$windows"); fi
  if [[ -z $linux ]]; then
    bad "corvane $*: the Linux host printed nothing"
  elif [[ $linux != "$windows" || $linuxStatus != "$windowsStatus" ]]; then
    bad "corvane $*: differs (exit $linuxStatus on Linux, $windowsStatus on Windows)"
    diff <(echo "$linux") <(echo "$windows") | head -10 >&2 || true
  else
    ok
  fi
}

sample=examples/templates
same show
same show $sample
same show $sample --json
same show $sample/writer.tmp --json
same show $work/missing
same play $sample --dry-run
same play $sample --key 99 --dry-run
time=(--time '2026-01-02 03:04:05')
for file in $sample/*.tmp; do
  for id in $(sed -n 's/^ID=\(-\{0,1\}[0-9]*\)\r\{0,1\}$/\1/p' "$file"); do
    same play "$file" --key "$id" --dry-run "${time[@]}"
  done
done
same play $sample --key 5 --app 'C:\Office\winword.exe' --dry-run "${time[@]}"
same play $sample --key 5 --app mspaint.exe --zoomed --main-window --dry-run "${time[@]}"
same play $sample --key 1 --app unknown.exe --main-window --dry-run "${time[@]}"

echo "end-to-end: $checks checks passed, $failures failed"
((failures == 0 && checks > 0))
