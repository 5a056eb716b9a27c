# The Linux build and the whole test suite through CTest, built once with
# AddressSanitizer (with LeakSanitizer) and UndefinedBehaviorSanitizer, so that
# every test also checks for memory errors, leaks and undefined behaviour.
# -O1 keeps the instrumented tests fast; frame pointers keep the reports'
# stacks whole.  Any report fails the test that caused it (abort, no
# recovery).  The one suppression, with its reason, is in
# tests/support/TestSupport.cpp: fontconfig's font caches, kept for the life
# of the process by design, are not reported as leaks.
set -euo pipefail
build=${CORVANE_UNIT_BUILD:-build/asan}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_BUILD_TESTS=ON \
  -DCORVANE_SANITIZE=address,undefined -DCMAKE_C_FLAGS_DEBUG="-g -O1" -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" >/dev/null
cmake --build "$build"
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The kill tests kill 50 saves each here: an instrumented save takes 3 to 4
# times as long and every kill forks an instrumented process, so 1,000 kills
# would take several minutes a test.  50 kills run every path of a killed
# save under the sanitizers; the full 1,000 run in the optimized build of
# stage 25-kill.
export CORVANE_CRASH_KILLS=${CORVANE_CRASH_KILLS:-50}
ctest --test-dir "$build" --output-on-failure -j2
