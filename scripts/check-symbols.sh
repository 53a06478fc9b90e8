#!/usr/bin/env bash
# Lists the global symbols that the given libraries define and fails on any
# that a program's own globals could collide with. Allowed are the public
# interface (Display, the ZT738_ functions a program may call, the WinMain
# and main glue), the Win32 functions that platform/include/win32.h
# declares, and everything in the project's namespaces (zt::...), the
# standard library's (std::, __gnu_cxx::) and the compiler's own.
#
#   check-symbols.sh native LIBRARY...    # with nm
#   check-symbols.sh windows LIBRARY...   # with x86_64-w64-mingw32-nm
#
# Prints one line a symbol that is not allowed ("not public: NAME",
# demangled), then the counts.
set -uo pipefail

mode=${1:?usage: check-symbols.sh native|windows LIBRARY...}
shift
[ $# -gt 0 ] || {
  echo "usage: check-symbols.sh native|windows LIBRARY..." >&2
  exit 2
}
for library in "$@"; do
  [ -f "$library" ] || {
    echo "FAIL: no library $library" >&2
    exit 1
  }
done
root=$(cd "$(dirname "$0")/.." && pwd)
nm=nm
[ "$mode" = windows ] && nm=x86_64-w64-mingw32-nm

# The Win32 contract: every name that win32.h declares as a call.
win32_names=$(grep -oE '\b[A-Za-z_][A-Za-z0-9_]*\(' "$root/platform/include/win32.h" | tr -d '(' | sort -u)

# The outermost name that a symbol belongs to, from its mangled form: the
# first component of its (nested, local or special) name, "std" for the
# standard library's abbreviations, the symbol itself when it is a C name.
owners() {
  awk '
    function owner(s,    n) {
      if (s !~ /^_Z/) return s
      s = substr(s, 3)
      while (1) {
        if (s ~ /^(T[VISTHW]|G[VR])/) { s = substr(s, 3); continue }   # vtable, guard, ...
        if (s ~ /^Th/) { sub(/^Thn?[0-9]+_/, "", s); continue }        # thunks
        if (s ~ /^Tv/) { sub(/^Tvn?[0-9]+_n?[0-9]+_/, "", s); continue }
        if (s ~ /^[ZLN]/) { s = substr(s, 2); sub(/^[rVK]*[RO]?/, "", s); continue }
        break
      }
      if (s ~ /^S[tabsiod]/) return "std"
      if (s ~ /^[0-9]/) {
        n = s + 0
        sub(/^[0-9]+/, "", s)
        return substr(s, 1, n)
      }
      return "operator"  # a global operator (new, delete, ...)
    }
    { print $2 "\t" owner($2) "\t" $1 }'
}

allowed_owner() {
  case $1 in
  zt | std | __gnu_cxx | __cxxabiv1 | Display | ZT738_gets | ZT738_console_printf | ZT738_replace_file | WinMain | main) return 0 ;;
  DW.ref.* | .refptr.* | .weak.*) return 0 ;;  # the compiler's own
  esac
  grep -qxF -- "$1" <<<"$win32_names"
}

total=0
bad=0
while IFS=$'\t' read -r symbol owner type; do
  # AddressSanitizer's marker of a global: the global itself is checked.
  [[ $symbol == __odr_asan* ]] && continue
  total=$((total + 1))
  allowed_owner "$owner" && continue
  # The standard library's inline operators (placement new) come weak; a
  # program's own replacement of a global operator wins over them.
  [ "$owner" = operator ] && [[ $type == [WV] ]] && continue
  # MinGW's stdio.h defines the printf family inline, as C++ functions in
  # sections that the linker merges (nm shows them as T): the C library's
  # names, not ours.
  [ "$mode" = windows ] && [[ $owner == *printf ]] && continue
  bad=$((bad + 1))
  echo "not public: $(c++filt -- "$symbol" 2>/dev/null || echo "$symbol")"
done < <("$nm" -g --defined-only "$@" | awk 'NF == 3 {print $2, $3}' | sort -u -k2 | owners)

echo "$# libraries ($mode): $total global symbols, $bad not public"
[ "$total" -gt 0 ] && [ "$bad" -eq 0 ]
