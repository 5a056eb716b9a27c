# The Linux build and the whole test suite through CTest.
set -euo pipefail
cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_BUILD_TESTS=ON >/dev/null
cmake --build build/debug
ctest --test-dir build/debug --output-on-failure -j2
