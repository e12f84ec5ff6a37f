# Shared by the end-to-end scripts: counts checks and prints the closing line.
#   source checks.sh; check NAME COMMAND...; ...; finish NAME
failures=0
passed=0

check() {  # check NAME CONDITION...
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    echo "FAILED: $name" >&2
    failures=$((failures + 1))
  fi
}

finish() {  # finish SUITE: the closing line, and the exit status
  echo "$1: $passed passed, $failures failed"
  test "$failures" -eq 0
}
