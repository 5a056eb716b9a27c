# The test programs that run threads (macro playback), under ThreadSanitizer,
# in a build folder of their own.  Only those programs are built here.  There
# are no suppressions.
set -euo pipefail
threaded=(test_macros)
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_BUILD_TESTS=ON \
  -DCORVANE_SANITIZE=thread >/dev/null
known=$(cmake --build build/tsan --target help | sed -n 's/^\([A-Za-z0-9_]*\): .*/\1/p')
present=()
for program in "${threaded[@]}"; do
  if grep -qx "$program" <<<"$known"; then present+=("$program"); else echo "tsan: $program not built yet"; fi
done
if ((${#present[@]} == 0)); then echo "tsan: no threaded test program yet"; exit 0; fi
cmake --build build/tsan -j2 --target "${present[@]}"
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
status=0
for program in "${present[@]}"; do
  binary=$(find build/tsan/tests -name "$program" -type f -perm -u+x | head -1)
  echo "tsan: $binary"
  "$binary" --gtest_brief=1 || status=1
done
exit $status
