#!/usr/bin/env bash
# The pairing of incoming payments as tarvolo-cli reports it: the summary in
# the log, the symbols moved from messages with --vs-from-message and not
# without it.
#   pairing.sh SOURCE-FOLDER COMMAND...   (COMMAND runs tarvolo-cli natively)
set -uo pipefail
source_dir=$1
shift
cli=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
source "$source_dir/tests/cli/checks.sh"

profile=(--config "$work/tarvolo.cfg" --account 2000145399 --name "Novak" --balance 1000
         --number 7 --from 2014-09-01 --today 2014-12-01)

# A Servis24 statement with each kind of credit, and a debit.
header='Číslo položky;Datum splatnosti;Částka;Protiúčet;Název protiúčtu;Variabilní symbol;Měna;Datum zaúčtování;Konstantní symbol;Specifický symbol;Zpráva pro příjemce;Poznámka'
{
  echo "$header"
  echo '1;2014/09/02;100,00;2600123456/2010;Stavebniny a.s.;2014071;CZK;2014/09/02;0008;;Úhrada;'
  echo '2;2014/09/03;200,00;2600123456/2010;Odběratel s.r.o.;;CZK;2014/09/03;;;Faktura 2026001;'
  echo '3;2014/09/04;300,00;2600123456/2010;SEPA payer;;CZK;2014/09/04;;;/VS/2026002/SS/7;'
  echo '4;2014/09/05;400,00;2600123456/2010;Dva doklady;;CZK;2014/09/05;;;FA 11, FA 12;'
  echo '5;2014/09/06;500,00;2600123456/2010;Karta;;CZK;2014/09/06;;;Platba 12.09.2014;'
  echo '6;2014/09/07;-50,00;2600123456/2010;Dodavatel;;CZK;2014/09/07;;;VS 99;'
} | iconv -f UTF-8 -t CP1250 | sed 's/$/\r/' >vypis.csv

# run NAME STATUS OPTIONS...: converts vypis.csv, the log into log.txt
run() {
  local name=$1 want=$2
  shift 2
  rm -f export.gpc
  "${cli[@]}" "${profile[@]}" "$@" vypis.csv >log.txt 2>&1
  local status=$?
  check "$name: exit status $status" test $status -eq "$want"
}
log_has() { check "$1" grep -qF -- "$2" log.txt; }
log_lacks() { check "$1" bash -c '! grep -qF -- "$1" log.txt' _ "$2"; }
# vs_of LINE: the variable symbol field of the record of statement line LINE
vs_of() { sed -n "$1p" export.gpc | cut -c62-71; }
document_of() { sed -n "$1p" export.gpc | cut -c36-48; }

# The summary is information: it leaves the exit status 0.
run "as the file has it" 0
log_has "summary" "Párování příchozích plateb výpisu účtu 2000145399 v CZK: 5 plateb, 1 s VS, 2 s VS jen ve zprávě, 2 bez použitelného VS"
log_has "only in the message" "Soubor vypis.csv, řádek 3: platbu 03.09.2014 200.00 Kč od „Odběratel s.r.o.“, zpráva „Faktura 2026001“, nelze spárovat: VS 2026001 je jen ve zprávě"
log_has "ambiguous" "řádek 5: platbu 05.09.2014 400.00 Kč od „Dva doklady“, zpráva „FA 11, FA 12“, nelze spárovat: bez VS, ve zprávě je více možných VS: 11, 12"
log_has "a date is no symbol" "řádek 6: platbu 06.09.2014 500.00 Kč od „Karta“, zpráva „Platba 12.09.2014“, nelze spárovat: bez VS"
log_lacks "no move without the option" "doplněn ze zprávy"
log_lacks "the debit is not listed" "řádek 7: platbu"
check "no symbol written without the option" test "$(vs_of 3)$(vs_of 4)" = "00000000000000000000"
cp export.gpc plain.gpc

run "symbols moved" 0 --vs-from-message
log_has "summary with moves" "Párování příchozích plateb výpisu účtu 2000145399 v CZK: 5 plateb, 3 s VS (z toho 2 doplněno ze zprávy), 2 bez použitelného VS"
log_has "first move" "Soubor vypis.csv, řádek 3: VS 2026001 doplněn ze zprávy „Faktura 2026001“"
log_has "second move" "Soubor vypis.csv, řádek 4: VS 2026002 doplněn ze zprávy „/VS/2026002/SS/7“"
log_has "ambiguous stays" "řádek 5: platbu 05.09.2014 400.00 Kč"
log_lacks "moved ones are not listed" "řádek 3: platbu"
check "moved symbols written" test "$(vs_of 3) $(vs_of 4)" = "0002026001 0002026002"
check "ambiguous and absent stay empty" test "$(vs_of 5)$(vs_of 6)" = "00000000000000000000"
# Servis24's document number is the symbol as the file has it.
check "document number kept" test "$(document_of 3)" = "0000000000000"
check "the debit's symbol untouched" test "$(vs_of 7)" = "0000000000"
# Only the two moved fields differ from the plain run.
check "nothing else changes" test "$(cmp -l plain.gpc export.gpc | wc -l)" -le 14

# The report read back by an HTML parser: every item with its status, and
# counts that agree with the log's summary.
run "report" 0 --vs-from-message --report report.html
log_has "report written" "Zapsán přehled report.html"
table() { python3 "$source_dir/tests/cli/report_table.py" report.html; }
check "report parses" table
check "report table" diff <(table) - <<'TABLE'
statement 2000145399 CZK credits=5 with=3 filled=2 message=0 without=2
item vypis.csv-2 symbol 2014071 | lze spárovat podle VS 2014071 |
item vypis.csv-3 filled 2026001 | lze spárovat: VS 2026001 doplněn ze zprávy |
item vypis.csv-4 filled 2026002 | lze spárovat: VS 2026002 doplněn ze zprávy |
item vypis.csv-5 ambiguous  | nelze spárovat: bez VS, ve zprávě je více možných VS: 11, 12 |
item vypis.csv-6 none  | nelze spárovat: bez VS |
item vypis.csv-7 debit  | odchozí platba |
TABLE
cmp -s export.gpc plain.gpc
check "the report changes no statement byte" test $? -ne 0  # the moved symbols alone differ
run "report without moves" 0 --report report.html
check "report leaves the statement as it was" cmp -s export.gpc plain.gpc

# Two currencies and a line left out: a statement each, the warning beside
# the item it names and the line left out with why.
{
  echo 'Datum;Částka;Měna;VS;Zpráva'
  echo '2.9.2014;10;CZK;;VS 77'
  echo '31.02.2014;5;CZK;;'
  echo '3.9.2014;-4;EUR;;'
  echo '4.9.2014;25;EUR;123456789012;Rechnung 4711'
} | iconv -f UTF-8 -t CP1250 >meny.csv
rm -f export*.gpc
"${cli[@]}" "${profile[@]}" --report report.html meny.csv >log.txt 2>&1
check "two currencies: exit status 3" test $? -eq 3
check "two currencies: report table" diff <(table | sed 's/| Soubor .*symbol je delší.*/| cut/') - <<'TABLE'
statement 2000145399 CZK credits=1 with=0 filled=0 message=1 without=0
item meny.csv-2 in-message  | nelze spárovat: VS 77 je jen ve zprávě |
statement 2000145399 EUR credits=1 with=0 filled=0 message=0 without=1
item meny.csv-4 debit  | odchozí platba |
item meny.csv-5 unusable 123456789012 | nelze spárovat: VS „123456789012“ není číslo o 1 až 10 číslicích | cut
left-out meny.csv-3
TABLE
log_has "no payer named" "řádek 2: platbu 02.09.2014 10.00 Kč, zpráva „VS 77“, nelze spárovat"
log_has "EUR summary in the log" "Párování příchozích plateb výpisu účtu 2000145399 v EUR: 1 plateb, 0 s VS, 0 s VS jen ve zprávě, 1 bez použitelného VS"

finish pairing
