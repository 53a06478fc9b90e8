#!/usr/bin/env bash
# The symbol check passes the project's own libraries, and fails a library
# that defines everyday names, reporting each of them and nothing else.
#
#   check_symbols_test.sh CHECK MODE FIXTURE LIBRARY...
set -uo pipefail

check=$1 mode=$2 fixture=$3
shift 3
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

report=$("$check" "$mode" "$@") || fail "the project's libraries do not pass: $report"

report=$("$check" "$mode" "$fixture") && fail "the fixture with everyday names passes"
reported=$(grep '^not public: ' <<<"$report" | sed 's/^not public: //' | sort)
expected=$(printf '%s\n' 'Helper::run()' canvas logging 'recordEvent()' | sort)
[ "$reported" = "$expected" ] || fail "the fixture's report is not the four names: $report"
grep -q ', 4 not public$' <<<"$report" || fail "the fixture's count is not 4: $report"

"$check" "$mode" "$fixture.missing" >/dev/null 2>&1 && fail "a missing library passes"

[ "$failures" -eq 0 ] && echo "symbol check: passes the project, reports the fixture's four names"
[ "$failures" -eq 0 ]
