# The 32-bit Windows deliverables, cross-built with MinGW-w64, and the test
# suite run under Wine: first without a display, then the tests labelled
# "display" under Xvfb; then Inkstall.exe and corvane.exe end to end.  Every
# test program must leave its XML report with at least one test and no
# failure, so a Wine that silently runs nothing fails.
set -euo pipefail
build=${CORVANE_WIN32_BUILD:-build/win32}  # another folder measures a cold run
reports=$build/gtest-reports

# A 64-bit-only Wine starts no 32-bit program and says nothing about it.
if [[ ! -x /usr/lib/wine/wine ]]; then
  echo "windows: the 32-bit Wine loader /usr/lib/wine/wine is missing (package wine32:i386)" >&2
  exit 1
fi

cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_BUILD_TESTS=ON \
  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-i686.cmake >/dev/null
cmake --build $build

bash scripts/windows/check-exports.sh $build/src/Corvane.dll

export WINEPREFIX=$PWD/$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
stop_wine() { wineserver -k 2>/dev/null || true; }
trap stop_wine EXIT
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  echo "windows: creating the Wine prefix"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi

rm -rf "$reports"
mkdir -p "$reports"
status=0
# A server started before CTest, and kept running, so that no test waits for
# Wine to come up.  One started without a display keeps failing windows, so
# the display run gets a server of its own.
stop_wine
wineserver -p
wine cmd /c exit
# Chinese and Korean texts in dialogs: the dialog fonts fall back to a CJK
# font of the machine (fonts-wqy-microhei), as they do to the system's own
# CJK fonts on Windows.
for face in "MS Sans Serif" "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma"; do
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" \
    /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null
done
ctest --test-dir $build -j2 --output-on-failure -LE display || status=1
stop_wine
if ctest --test-dir $build -N -L display | grep -q 'Total Tests: [1-9]'; then
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c \
    'wineserver -p && wine cmd /c exit && ctest --test-dir "$0" -j2 --output-on-failure -L display; rc=$?; wineserver -k; exit $rc' \
    $build || status=1
fi

# The programs end to end, without a display (Inkstall opens no window), and
# corvane.exe against the Linux host built from the same tree.
linux_build=build/debug
if [[ ! -f $linux_build/build.ninja ]]; then
  cmake -S . -B $linux_build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_BUILD_TESTS=ON >/dev/null
fi
cmake --build $linux_build --target corvane-cli >/dev/null
wineserver -p
wine cmd /c exit
bash scripts/windows/end-to-end.sh $build $linux_build/tools/corvane/corvane || status=1
stop_wine

# Every registered test program must have run and reported.
mapfile -t programs < <(ctest --test-dir $build -N | sed -n 's/^ *Test *#[0-9]*: *//p')
((${#programs[@]} > 0)) || { echo "windows: no test registered" >&2; exit 1; }
total=0
failed=0
for program in "${programs[@]}"; do
  report=$reports/$program.xml
  if [[ ! -s $report ]]; then
    echo "windows: $program left no report: it did not run" >&2
    status=1
    continue
  fi
  read -r tests failures errors < <(sed -n 's/^<testsuites tests="\([0-9]*\)" failures="\([0-9]*\)" disabled="[0-9]*" errors="\([0-9]*\)".*/\1 \2 \3/p' "$report")
  if [[ -z ${tests:-} || $tests -eq 0 ]]; then
    echo "windows: $program ran no test" >&2
    status=1
    continue
  fi
  total=$((total + tests))
  failed=$((failed + failures + errors))
done
echo "windows: ${#programs[@]} test programs under Wine, $((total - failed)) tests passed, $failed failed"
exit $status
