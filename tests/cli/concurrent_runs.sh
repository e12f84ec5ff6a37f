#!/usr/bin/env bash
# Several runs at once write the same statement file and save the same
# profile: every final file is one run's whole output, each run says it
# wrote and checked its file, and no temporary file stays behind.
#   concurrent_runs.sh SOURCE-FOLDER COMMAND...   (COMMAND runs tarvolo-cli,
#   possibly through Wine)
set -uo pipefail
source_dir=$1
shift
cli=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
source "$source_dir/tests/cli/checks.sh"

runs=4
# Long enough that the runs overlap while they write.
{ head -n 1 "$source_dir/examples/vypis-2014-09.csv"
  yes "$(tail -n +2 "$source_dir/examples/vypis-2014-09.csv")" | head -n 60000
} >statement.csv

# Values of one length for every run, so that each run's profile is the
# same 64 bytes whatever profile it loaded first.
profile() {  # profile RUN
  echo --account "200014539$1" --name "Run-$1" --balance "100,00" --number "$1" \
    --from 2014-09-01 --today 2014-12-01
}

# Each run alone gives the file and the profile it must leave.
for i in $(seq $runs); do
  "${cli[@]}" --config "alone-$i.cfg" $(profile "$i") --output "alone-$i.gpc" --save statement.csv \
    >/dev/null 2>&1
  check "run $i alone: exit 0" test $? -eq 0
done

is_one_of() {  # is_one_of FILE PREFIX SUFFIX: FILE equals one run's own
  local i
  for i in $(seq $runs); do cmp -s "$1" "$2$i$3" && return 0; done
  return 1
}

for round in 1 2 3; do
  rm -f shared.gpc shared.cfg
  pids=()
  for i in $(seq $runs); do
    "${cli[@]}" --config shared.cfg $(profile "$i") --output shared.gpc --save statement.csv \
      >"log-$i.txt" 2>&1 &
    pids+=($!)
  done
  for i in $(seq $runs); do
    wait "${pids[$((i - 1))]}"
    check "round $round, run $i: exit 0" test $? -eq 0
    check "round $round, run $i: wrote and checked its file" \
      grep -q "Kontrola souboru shared.gpc: v po" "log-$i.txt"
  done
  check "round $round: the statement is one run's whole output" is_one_of shared.gpc alone- .gpc
  check "round $round: the profile is one run's" is_one_of shared.cfg alone- .cfg
  check "round $round: no temporary file left" test -z "$(ls -A | grep '^~tv')"
done

finish "concurrent runs"
