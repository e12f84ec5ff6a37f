#!/usr/bin/env bash
# Bad input through tarvolo-cli as a user meets it: exit status, the log it
# prints, and the earlier export.gpc and tarvolo.cfg left whole.
#   cli_bad_input.sh COMMAND...   (COMMAND runs tarvolo-cli, possibly through
#   Wine; the log is compared only natively, where it is UTF-8)
set -uo pipefail
cli=("$@")
native=true
[[ "${cli[0]}" == *wine-run* ]] && native=false
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/../cli/checks.sh"
cd "$work"

field() {  # field TEXT SIZE: the text and NUL bytes up to the field's size
  printf '%s' "$1"
  head -c $(($2 - ${#1})) /dev/zero
}

# run NAME STATUS EXPECTED-LOG ARGS...: runs with a fresh earlier export.gpc
# and a 64-byte profile, and checks the status, the log and what must stay.
run() {
  local name=$1 status=$2 expected=$3
  shift 3
  printf 'earlier' >export.gpc
  { field 2000145399 16; field "Hlavni ucet" 20; field 1000.50 20; field "" 4; printf '\007\0\0\0'; } \
    >tarvolo.cfg
  cp tarvolo.cfg before.cfg
  "${cli[@]}" --config tarvolo.cfg --from 2014-09-01 --today 2014-09-24 "$@" >log.txt 2>&1
  local actual=$?
  check "$name: exit status $actual, expected $status" test "$actual" -eq "$status"
  if $native; then
    check "$name: log" diff -u <(printf '%b' "$expected") log.txt
  fi
  check "$name: settings file kept" cmp -s tarvolo.cfg before.cfg
  # Exit 3 is a statement written with warnings in the log.
  if [ "$status" -ne 0 ] && [ "$status" -ne 3 ]; then
    check "$name: earlier export.gpc kept" test "$(cat export.gpc)" = earlier
  fi
}

nothing='Nebyly načteny žádné položky nebo soubory!!!\n'
# ASCII only: this script is UTF-8, and a statement in UTF-8 gets a line of its own.
line='1;2014/09/24;-1234,50;000019-0123456789/0800;Najemce;12345;CZK;;0308;;Najem\r\n'

: >empty.csv
no_data='formát nerozpoznán (hlavička nenalezena, Servis24 nelze použít, soubor nemá žádný řádek s daty), soubor nebyl převeden!!!'
run "empty file" 1 "Převádím soubor empty.csv\nSoubor empty.csv: $no_data\n$nothing" empty.csv

printf 'h;h\r\n' >header.csv
run "header only" 1 "Převádím soubor header.csv\nSoubor header.csv: $no_data\n$nothing" header.csv

mkdir folder.csv
run "directory as a file" 1 "Převádím soubor folder.csv\nSoubor folder.csv nelze přečíst!!!\n$nothing" \
  folder.csv

{ printf "h\r\n$line"; printf '\000'; printf "$line"; } >s-nulou.csv
run "NUL byte" 3 "Převádím soubor s-nulou.csv
Soubor s-nulou.csv: čten jako Servis24, převedeno 1 položek, řádků souboru 2: hlavička a úvod 1, s položkou 1
Soubor s-nulou.csv obsahuje na řádku 3 nulový bajt, zbytek souboru nebyl převeden!!!
Načteno 1 položek, starý zůstatek 1000.50 Kč, nový -234.00 Kč
Celkem příchozí platby 0.00 Kč, odchozí platby 1234.50 Kč
Zapsán soubor export.gpc
Kontrola souboru export.gpc: v pořádku
Pozor: 1 upozornění, zkontrolujte je před importem!!!\n" s-nulou.csv
check "NUL byte: header and one record" test "$(stat -c %s export.gpc)" = 260

printf "h\r\n$line" >good.csv
run "line break in the account" 1 "Převádím soubor good.csv
Soubor good.csv: čten jako Servis24, převedeno 1 položek, řádků souboru 2: hlavička a úvod 1, s položkou 1
Číslo nebo název účtu obsahuje konec řádku, soubor nelze zapsat!!!\n" --account $'20001\r45399' good.csv

printf 'earlier' >export.gpc
chmod a-w export.gpc
"${cli[@]}" --config tarvolo.cfg good.csv >log.txt 2>&1
check "read-only export.gpc: exit 1" test $? -eq 1
check "read-only export.gpc kept" test "$(cat export.gpc)" = earlier
chmod u+w export.gpc

# Settings files of odd lengths, all bytes '7', get a line in the log. From
# 63 bytes on the opening balance is twenty 7s without a NUL, too large for
# the header, so the run is refused and --save keeps the file as it was;
# otherwise --save writes exactly the 64 bytes.
for case in 0:0 20:0 63:1 65:1 10000:1; do
  length=${case%:*} status=${case#*:}
  head -c "$length" /dev/zero | tr '\0' '7' >odd.cfg
  cp odd.cfg odd-before.cfg
  "${cli[@]}" --config odd.cfg --account 2000145399 --number 1 --from 2014-09-01 --save good.csv \
    >log.txt 2>&1
  check "settings of $length bytes: exit status" test $? -eq "$status"
  if $native; then
    check "settings of $length bytes: its length logged" \
      grep -qx "Soubor nastavení odd.cfg má $length bajtů místo 64!!!" log.txt
  fi
  if [ "$status" -eq 1 ]; then
    check "settings of $length bytes: kept" cmp -s odd.cfg odd-before.cfg
  else
    check "settings of $length bytes: saved as 64" test "$(stat -c %s odd.cfg)" = 64
  fi
done

# --save with a value that every run would refuse saves nothing and converts
# nothing; the log says why.
refused_number='Číslo výpisu musí být od 0 do 999!!!'
refused_balance='Zůstatek nebo obrat má víc než 14 číslic v haléřích, soubor nelze zapsat!!!'
while IFS='|' read -r name option value message; do
  run "--save with $name" 1 "$message\nNastavení nebylo uloženo!!!\n" --save "$option" "$value" good.csv
done <<EOF
statement number 1000|--number|1000|$refused_number
balance beyond the range of numbers|--balance|1e400|$refused_balance
balance of 15 digits in hellers|--balance|1e13|$refused_balance
balance that could separate thousands|--balance|12,345|Počáteční zůstatek „12,345“ nelze přečíst celý (nelze rozhodnout, zda je čárka nebo tečka desetinná), zadejte jej např. jako 1234,50!!!
EOF

# A pipe without a writer is no statement: the run does not wait for one.
if $native; then
  mkfifo pipe.csv
  printf 'earlier' >export.gpc
  timeout 20 "${cli[@]}" --config tarvolo.cfg pipe.csv >log.txt 2>&1
  status=$?
  check "pipe as a statement: no hang" test "$status" -ne 124
  check "pipe as a statement: exit 1" test "$status" -eq 1
  check "pipe as a statement: earlier export.gpc kept" test "$(cat export.gpc)" = earlier
  rm -f pipe.csv
fi

# The run refuses to write over its statements and its settings file (the
# export run's own tests show every such name); here, that the program gives
# the run its settings file, and what --save does around the run.
cp good.csv good.before
cp before.cfg tarvolo.cfg
"${cli[@]}" --config tarvolo.cfg --output tarvolo.cfg --save good.csv >log.txt 2>&1
check "output is the settings file: exit 2" test $? -eq 2
check "output is the settings file: a profile stays" test "$(stat -c %s tarvolo.cfg)" = 64
$native && check "output is the settings file: said" \
  grep -q "Zapisovaný soubor tarvolo.cfg je soubor nastavení tarvolo.cfg" log.txt
rm -f new.cfg
"${cli[@]}" --config new.cfg --output new.cfg --account 2000145399 --save good.csv >log.txt 2>&1
check "new settings file as the output: exit 2" test $? -eq 2
check "new settings file as the output: nothing written" test ! -e new.cfg
$native && check "new settings file as the output: said" \
  grep -q "Zapisovaný soubor new.cfg je soubor nastavení new.cfg" log.txt
rm -f new.cfg
"${cli[@]}" --config new.cfg --camt new.cfg --account 2000145399 --save good.csv >log.txt 2>&1
check "new settings file as the camt.053 output: exit 2" test $? -eq 2
check "new settings file as the camt.053 output: nothing written" test ! -e new.cfg
$native && check "new settings file as the camt.053 output: said" \
  grep -q "Zapisovaný soubor new.cfg je soubor nastavení new.cfg" log.txt
"${cli[@]}" --config good.csv --output other.gpc --save good.csv >log.txt 2>&1
check "settings file is the statement: exit 1" test $? -eq 1
check "settings file is the statement: kept" cmp -s good.csv good.before

# Memory comes from what the lines can give: 20 million empty lines need
# none, and a statement too large for the memory is refused with a line,
# the earlier file kept (natively, where the limit can be set; the
# sanitizers reserve more address space than any such limit allows).
if $native && [ -z "${TARVOLO_SANITIZED:-}" ]; then
  head -c 20000000 /dev/zero | tr '\0' '\n' >empty-lines.csv
  printf 'earlier' >export.gpc
  (ulimit -v 400000; "${cli[@]}" --config tarvolo.cfg empty-lines.csv) >log.txt 2>&1
  check "20 million empty lines: exit 1" test $? -eq 1
  check "20 million empty lines: nothing loaded" grep -qx "${nothing%\\n}" log.txt
  { printf 'h\n'; yes '1;2014/09/24;1' | head -n 4000000; } >many-lines.csv
  (ulimit -v 400000; "${cli[@]}" --config tarvolo.cfg many-lines.csv) >log.txt 2>&1
  check "too many lines for the memory: exit 1" test $? -eq 1
  check "too many lines for the memory: said" \
    grep -qx "Nedostatek paměti, soubor nelze zapsat!!!" log.txt
  check "too many lines for the memory: earlier export.gpc kept" test "$(cat export.gpc)" = earlier
  rm -f empty-lines.csv many-lines.csv
fi

finish "cli bad input"
