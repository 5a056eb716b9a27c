# The kill tests with their full 1,000 kills each, built optimized and without
# sanitizers (the unit stage runs them under the sanitizers with 50 kills).
# They reuse the release build of the install stage, whose library objects
# are already compiled: only the test program is built here.
set -euo pipefail
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_TESTS=ON >/dev/null
cmake --build build/release --target test_hardening
ctest --test-dir build/release --output-on-failure -j2 -R '^CrashSafeSave\.'
