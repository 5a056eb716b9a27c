# Checks the export table of Corvane.dll: the 38 Visual C++ names with the
# ordinals 1 to 38 in alphabetical order, each at the address of the function
# of the same name under its GCC name, and nothing else exported.
set -euo pipefail
dll=$1
table=$(i686-w64-mingw32-objdump -p "$dll")
# "[Ordinal/Name Pointer] Table" lists "[ordinal - base] name"; the address
# table lists "[ordinal - base] +base[ordinal] rva".
names=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$table" | sed -n 's/^\s*\[ *\([0-9]*\)\] \(.*\)$/\1 \2/p')
rvas=$(sed -n '/^Export Address Table -- Ordinal Base/,/^$/p' <<<"$table" | sed -n 's/^\s*\[ *[0-9]*\] +base\[ *\([0-9]*\)\] *\([0-9a-f]*\) Export RVA$/\1 \2/p')
fail() { echo "exports of $dll: $*" >&2; exit 1; }
grep -q '^Export Address Table -- Ordinal Base 1$' <<<"$table" || fail "the ordinal base is not 1"
count=$(wc -l <<<"$names")
[[ $count == 76 ]] || fail "$count names exported, expected 76"
decorated=$(awk '$2 ~ /^\?/' <<<"$names")
[[ $(wc -l <<<"$decorated") == 38 ]] || fail "expected 38 Visual C++ names"
previous=""
expected=0
while read -r ordinal name; do
  ordinal=$((ordinal + 1))
  function=${name#\?}
  function=${function%%@@*}
  [[ -z $previous || "$previous" < "$name" ]] || fail "$name is out of alphabetical order"
  [[ $ordinal == $((expected += 1)) ]] || fail "$name has ordinal $ordinal"
  previous=$name
  # The same address as the GCC name of the function of that name.
  gcc=$(awk -v f="$function" 'index($2, "_Z" length(f) f) == 1 {print $2}' <<<"$names" |
        while read -r candidate; do
          demangled=$(i686-w64-mingw32-c++filt -n "$candidate")
          [[ ${demangled%%(*} == "$function" ]] && echo "$candidate"
        done)
  [[ -n $gcc ]] || fail "no GCC name for $function"
  rva_decorated=$(awk -v o="$ordinal" '$1 == o {print $2}' <<<"$rvas")
  gcc_index=$(awk -v n="$gcc" '$2 == n {print $1}' <<<"$names")
  rva_gcc=$(awk -v o="$((gcc_index + 1))" '$1 == o {print $2}' <<<"$rvas")
  [[ -n $rva_decorated && $rva_decorated == "$rva_gcc" ]] || fail "$name is not $function"
done <<<"$decorated"
echo "exports of $(basename "$dll"): 38 Visual C++ names at ordinals 1-38, 38 GCC names, nothing else"
