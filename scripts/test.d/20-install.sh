# Installs the library into a prefix and builds a small host against the
# installed package, once with CMake and once with pkg-config.
set -euo pipefail
prefix=$PWD/build/prefix
rm -rf "$prefix" build/consumer
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
cmake --build build/release
cmake --install build/release >/dev/null
cmake -S tests/consumer -B build/consumer -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build build/consumer
LD_LIBRARY_PATH="$prefix/lib" build/consumer/consumer
c++ -std=c++20 tests/consumer/consumer.cpp -o build/consumer/consumer-pc \
  $(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs corvane)
LD_LIBRARY_PATH="$prefix/lib" build/consumer/consumer-pc
# Only the 38 exports may be visible in the shared library.
exported=$(nm -D --defined-only "$prefix/lib/libcorvane.so" | awk '$2 ~ /[TW]/ {print $3}' | c++filt | grep -c '^ACT' || true)
others=$(nm -D --defined-only "$prefix/lib/libcorvane.so" | awk '$2 ~ /[TWBDVR]/ {print $3}' | c++filt | grep -v '^ACT' | grep -v '^_init$\|^_fini$' | grep -v '^_edata\|^_end\|^__bss_start' || true)
echo "exported ACT functions: $exported"
[[ "$exported" == 38 ]] || { echo "expected 38 exported ACT functions"; exit 1; }
if [[ -n "$others" ]]; then echo "unexpected exported symbols:"; echo "$others" | head -20; exit 1; fi
