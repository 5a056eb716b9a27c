# The whole Linux test suite under AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer, in a build folder of its own.  Any report fails
# the test that caused it.  There are no suppressions.
set -euo pipefail
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_BUILD_TESTS=ON \
  -DCORVANE_SANITIZE=address,undefined >/dev/null
cmake --build build/asan -j2
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The kill test runs 50 kills here (fork is slow under AddressSanitizer); the
# plain suite runs the full 1,000.
export CORVANE_CRASH_KILLS=${CORVANE_CRASH_KILLS:-50}
ctest --test-dir build/asan --output-on-failure -j2
