#!/usr/bin/env bash
# Runs tarvolo-cli as a user would and compares what it writes byte for byte.
#   cli_end_to_end.sh SOURCE-FOLDER COMMAND...   (COMMAND runs tarvolo-cli,
#   possibly through Wine)
set -uo pipefail
source_dir=$1
shift
cli=("$@")
native=true  # the log is compared only natively, where it is UTF-8
[[ "${cli[0]}" == *wine-run* ]] && native=false
examples=$source_dir/examples
data=$source_dir/tests/data
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
source "$source_dir/tests/cli/checks.sh"

log_has() {  # log_has NAME PATTERN: a line of the log matches
  check "$1" grep -q "$2" <(log_text)
}

# The profile of the examples: its statements are converted with it.
profile=(--config "$work/tarvolo.cfg" --account 2000145399 --name "Novák a syn s.r.o."
         --balance "125 430,50" --number 7 --from 2014-09-01 --today 2014-12-01)

# The log as UTF-8: the Windows program writes Windows-1250.
log_text() {
  if $native; then cat log.txt; else iconv -f CP1250 -t UTF-8 log.txt | tr -d '\r'; fi
}

# lines_add_up FILE: the log's summary of FILE counts each of its lines once
# (LF, CR LF and a CR alone end one; so does the end of the file).
lines_add_up() {
  local counts lines
  counts=$(log_text | grep -o 'řádků souboru [0-9]*: .*' | head -1 | sed 's/([^)]*)//g')
  lines=$(perl -0777 -ne '$n = () = /\r\n|\r|\n/g; $n++ if length && !/[\r\n]\z/; print $n' "$1")
  [ -n "$counts" ] && perl -e '
    my ($total, @parts) = $ARGV[0] =~ /(\d+)/g;
    my $sum = 0; $sum += $_ for @parts;
    exit !($total == $ARGV[1] && $sum == $total);' "$counts" "$lines"
}

convert() {  # convert GOLDEN FILES...: converts and compares with tests/data/GOLDEN
  local golden=$1
  shift
  rm -f export.gpc
  "${cli[@]}" "${profile[@]}" "$@" >log.txt 2>&1
  local status=$?
  check "$golden: exit status $status" test $status -eq "${want_status:-0}"
  check "$golden: content" cmp -s export.gpc "$data/$golden"
}

convert examples-2014-09.gpc "$examples/vypis-2014-09.csv"
convert examples-2014-10.gpc "$examples/vypis-2014-10.csv"
convert examples-all.gpc "$examples/vypis-2014-09.csv" "$examples/vypis-2014-10.csv" \
  "$examples/vypis-2014-11.csv"

# The same statement in UTF-8 (with and without a byte-order mark) and in
# UTF-16 gives the same file.
iconv -f CP1250 -t UTF-8 "$examples/vypis-2014-09.csv" >utf8.csv
{ printf '\xEF\xBB\xBF'; cat utf8.csv; } >utf8-mark.csv
{ printf '\xFF\xFE'; iconv -f UTF-8 -t UTF-16LE utf8.csv; } >utf16le.csv
{ printf '\xFE\xFF'; iconv -f UTF-8 -t UTF-16BE utf8.csv; } >utf16be.csv
for encoded in utf8.csv utf8-mark.csv utf16le.csv utf16be.csv; do
  convert examples-2014-09.gpc "$work/$encoded"
done

# Other banks' layouts, each in its own encoding, separator and preamble,
# found from the header line and named in the log: every sample of
# tests/data/layouts with its golden file, the layout its log must name
# told by its name.
layout_of() {
  case $1 in
    airbank*) echo "Air Bank" ;;
    business24*) echo "Česká spořitelna Business 24" ;;
    csob) echo "ČSOB" ;;
    fio*) echo "Fio banka" ;;
    kb*) echo "Komerční banka" ;;
    mbank*) echo "mBank" ;;
    moneta) echo "Moneta Money Bank" ;;
    raiffeisen-card) echo "Raiffeisenbank (kreditní karta)" ;;
    raiffeisen*) echo "Raiffeisenbank" ;;
    unicredit) echo "UniCredit Bank" ;;
    revolut | revolut-2022) echo "Revolut Business" ;;
    revolut-*) echo "Revolut" ;;
    wise-transfers*) echo "Wise (převody)" ;;
    wise) echo "Wise" ;;
    paypal*) echo "PayPal" ;;
    n26*) echo "N26" ;;
    bunq*) echo "bunq" ;;
    stripe*) echo "Stripe" ;;
    payoneer*) echo "Payoneer" ;;
    sumup*) echo "SumUp" ;;
  esac
}
for golden in "$data"/layouts/*.gpc; do
  name=$(basename "$golden" .gpc)
  # Another own account's statement ("-2345678901-EUR") is compared with the
  # run of its sample.
  [[ $name =~ -[0-9]+-[A-Z]{3}$ ]] && continue
  layout=$(layout_of "$name")
  check "$name: a sample whose layout the test names" test -n "$layout"
  # These hold items in another currency than the account's, whose
  # statement may state no opening balance, or state an opening balance
  # other than the profile's: the run asks the user to read the log.
  want_status=0
  # mbank.csv is a statement of another account than the profile's. The
  # others' items lie after the profile's statement date, which the log
  # names.
  case $name in
    moneta | revolut | wise | paypal | mbank | revolut-* | paypal-* | kb-business | payoneer)
      want_status=3 ;;
    fio-all-accounts) want_status=3 ;;
    raiffeisen-card | wise-transfers* | bunq | n26 | stripe | sumup*) want_status=3 ;;
  esac
  rm -f export-*.gpc
  convert "layouts/$name.gpc" "$data/layouts/$name.csv"
  for beside in "$data/layouts/$name"-*.gpc; do
    [[ $(basename "$beside" .gpc) =~ ^$name-[0-9]+-[A-Z]{3}$ ]] || continue
    check "$(basename "$beside"): content" cmp -s "export${beside#"$data/layouts/$name"}" "$beside"
  done
  log_has "$name: layout in the log" "rozpoznán formát $layout,"
  check "$name: its lines add up" lines_add_up "$data/layouts/$name.csv"
  # The balances a real export states add up with its items (the reader's
  # own tests show the cases where they do not).
  case $name in
    airbank* | moneta | raiffeisen* | unicredit | wise-transfers* | n26 | bunq | stripe | sumup) ;;
    fio-all-accounts) ;;
    *) log_has "$name: balances add up" "^Soubor .*$name.csv: počáteční zůstatek .*, souhlasí$" ;;
  esac
  # A row the bank books itself, such as its fee, is described by its kind.
  if [ "$name" = business24 ]; then
    check "business24: the fee row is described" \
      test "$(grep -a "^075" export.gpc | tail -1 | cut -c98-117)" = "Account maintenance "
  fi
  # The own account a preamble states, with the bank of its layout where it
  # names none; counter accounts no GPC record holds, noted once a file.
  case $name in
    fio-vypis) log_has "$name: own account" "fio-vypis.csv je z účtu 2000145399/2010$" ;;
    # Each row's own account at Fio: a statement of each account, the
    # profile's with its values.
    fio-all-accounts) log_has "$name: the second account's statement" \
      "^Výpis účtu 2345678901 v EUR, 3 položek: export-2345678901-EUR.gpc$" ;;
    kb-account-currency) log_has "$name: own account" "currency.csv je z účtu 2000145399/0100$" ;;
    raiffeisen-cards) log_has "$name: one note for the cards" \
      "cards.csv: číslo karty místo protiúčtu u 3 položek, první na řádku 3 (516844\*\*\*\*\*\*1234)" ;;
    airbank-foreign) log_has "$name: the foreign account noted" \
      "foreign.csv: zahraniční protiúčet (IBAN) u 1 položek, první na řádku 3" ;;
    n26) log_has "$name: the amount's unit gives the currency" "starý zůstatek 125430.50 EUR" ;;
    bunq) log_has "$name: no currency named" "^Soubor .*bunq.csv neuvádí měnu, výpis je v Kč$" ;;
    revolut-personal-cz) log_has "$name: the savings pocket and the cancelled row not booked" \
      "nezaúčtované 2 (ZRUŠENO 1, produkt Spořicí 1)" ;;
    # Rows the running balance decides: a hold and its release booked
    # together where it moves with them, left out together where it does
    # not; a pending row it counts booked and named once.
    paypal-holds) log_has "$name: a hold and its release the balance ignores left out" \
      "s položkou 5, nezaúčtované 3 (Memo 1, blokace 2)$" ;;
    paypal-pending) log_has "$name: a pending row the balance counts booked, named once" \
      "pending.csv: 1 řádků čekajících na zaúčtování zapsáno jako položky, zůstatek souboru je již započítává (první na řádku 3)" ;;
    # The rows the bank did not book are counted apart; the statement is
    # the one without them.
    business24-not-booked) log_has "$name: rows not booked counted" \
      "s položkou 3, nezaúčtované 2 (Non-accounting 1, neprovedené 1)$" ;;
  esac
  if [ "$name" = revolut ]; then
    log_has "a profile balance other than the file's is reported" \
      "^Počáteční zůstatek 125430.50 Kč v nastavení se liší od počátečního zůstatku 50000.00 Kč"
  fi
done
want_status=0
# A file with columns of two currencies: each currency is a statement of its
# own, the koruna's with the profile's values; an exchange is an item of
# both.
rm -f export*.gpc
"${cli[@]}" "${profile[@]}" "$data/layouts/revolut-2018-currencies.csv" >log.txt 2>&1
log_has "another currency's columns: a statement of their own" \
  "^Výpis účtu 2000145399 v EUR, 2 položek: export-EUR.gpc$"
check "an exchange is an item of both statements" \
  test "$(grep -ac "^075" export.gpc) $(grep -ac "^075" export-EUR.gpc)" = "2 2"
check "another currency's statement opens with the file's balance" \
  test "$(cut -c46-60 export-EUR.gpc | head -1)" = "00000000000000+"
"${cli[@]}" "${profile[@]}" "$examples/vypis-2014-09.csv" \
  "$data/layouts/revolut-2018-currencies.csv" >log.txt 2>&1
log_has "a statement in crowns takes the crown columns" \
  "revolut-2018-currencies.csv: počáteční zůstatek 0.00 + položky 267.00 = konečný .*, souhlasí$"
log_has "a statement in crowns, the euro rows in their own" \
  "^Výpis účtu 2000145399 v EUR, 2 položek: export-EUR.gpc$"
# Each statement's items carry its currency: the koruna's codes in crowns,
# the numeric ISO 4217 code in euros.
check "the crown statement's currency codes" \
  test "$(grep -a "^075" export.gpc | cut -c118-122 | sort -u | tr '\n' ' ')" = "01101 01102 "
check "the euro statement's currency code" \
  test "$(grep -a "^075" export-EUR.gpc | cut -c118-122 | sort -u)" = "00978"
# September's items under a statement of October: each is named with its
# line and day, the run warns, and the camt period covers them.
rm -f period.*
"${cli[@]}" --config "$work/none.cfg" --account 2000145399 --balance 0 --from 2014-10-01 \
  --today 2014-10-31 --output period.gpc --camt period.xml "$examples/vypis-2014-09.csv" \
  >log.txt 2>&1
check "items outside the period: exit 3" test $? -eq 3
log_has "items outside the period: each named" \
  "vypis-2014-09.csv, řádek 2: položka ze dne 2.9.2014 je mimo období výpisu 1.10.2014 až 31.10.2014"
check "items outside the period: written" test "$(grep -ac "^075" period.gpc)" = 6
check "items outside the period: the camt period covers them" \
  grep -q "<FrDtTm>2014-09-02T00:00:00</FrDtTm>" period.xml

# A currency's statement named like another output refuses the run before
# anything is written: the euro GPC would be the crown statement's camt.053.
rm -f vypis*
"${cli[@]}" "${profile[@]}" --output vypis.gpc --camt vypis-EUR.gpc "$examples/vypis-2014-09.csv" \
  "$data/layouts/revolut-2018-currencies.csv" >log.txt 2>&1
check "an output a currency's statement would take: exit 2" test $? -eq 2
check "an output a currency's statement would take: nothing written" \
  test -z "$(ls vypis* 2>/dev/null)"
log_has "an output a currency's statement would take: named" \
  "^tarvolo-cli: Soubory vypis-EUR.gpc (výpis účtu 2000145399 v CZK) a vypis-EUR.gpc (výpis účtu 2000145399 v EUR) jsou týž soubor"

# Every file of a run of several statements read back: no two items of a
# statement share a document number, nor two entries a reference; no two
# documents share a message or statement id, each names its currency.
rm -f export* run*
"${cli[@]}" "${profile[@]}" --output run.gpc --camt run.xml "$examples/vypis-2014-09.csv" \
  "$data/layouts/revolut.csv" "$data/layouts/paypal.csv" >log.txt 2>&1
check "several statements written" test "$(ls run*.gpc | wc -l) $(ls run*.xml | wc -l)" = "2 2"
for written in run*.gpc; do
  check "$written: numbers of their own" \
    test -z "$(grep -a "^075" "$written" | cut -c36-48 | sort | uniq -d)"
done
check "the euro statement's items in euros" \
  test "$(grep -a "^075" run-EUR.gpc | cut -c118-122 | sort -u)" = "00978"
for written in run*.xml; do
  check "$written: references of their own" \
    test -z "$(grep -o "^        <AcctSvcrRef>[^<]*" "$written" | sort | uniq -d)"
  check "$written: transaction ids of their own" \
    test -z "$(grep -o "<TxId>[^<]*" "$written" | sort | uniq -d)"
done
check "documents with ids of their own" test "$(grep -ho "<MsgId>[^<]*\|<Stmt>\|^      <Id>[^<]*" \
  run*.xml | grep -v "<Stmt>" | sort | uniq -d)" = ""
check "the euro document names its currency" grep -q "<Id>2000145399-EUR-[0-9]*-7</Id>" run-EUR.xml

# Two own accounts of one currency that Revolut Business names, each
# keeping its balance: a statement each, the transfer between them an item
# of both; the second written under the profile's account, with a warning.
rm -f export*.gpc
"${cli[@]}" --config "$work/pockets.cfg" --account 2000145399 --name "Novák a syn s.r.o." \
  --balance-from-file --today 2024-04-01 "$data/layouts/revolut-business-pockets.csv" >log.txt 2>&1
check "pockets: exit status 3" test $? -eq 3
check "pockets: a statement each" \
  test "$(grep -ac "^075" export.gpc) $(grep -ac "^075" export-Tax-reserve.gpc)" = "3 2"
check "pockets: each opens and closes with its own balances" test \
  "$(cut -c46-75 export.gpc | head -1) $(cut -c46-75 export-Tax-reserve.gpc | head -1)" = \
  "00000005000000+00000006796550+ 00000001000000+00000001501240+"
log_has "pockets: the second has no number of its own" \
  "^Účet Tax reserve nemá v souborech vlastní číslo účtu, jeho výpis export-Tax-reserve.gpc je zapsán pod účtem 2000145399 z nastavení!!!$"
# A statement in euros: every balance and sum of the log is in euros.
"${cli[@]}" "${profile[@]}" --output eur.gpc "$data/camt/fio-eur.csv" >log.txt 2>&1
log_has "euros: the file's balances" "^Soubor .*fio-eur.csv: počáteční zůstatek 1000.00 .* 1847.25 EUR, souhlasí$"
check "euros: no amount in Kč" test "$(log_text | grep -c "Kč")" = 0
"${cli[@]}" "${profile[@]}" "$data/layouts/mbank.csv" >log.txt 2>&1
log_has "another account than the profile's is named" \
  "mbank.csv je z účtu 670100-2201234567/6210, v nastavení je účet 2000145399!!!$"

# --balance-from-file: the header's opening balance is the earliest file's
# (revolut.csv starts on 1 March, wise.csv on 5 March), whatever the order
# the files are given in.
from_file=(--config "$work/tarvolo.cfg" --account 2000145399 --number 7 --from 2024-03-01
           --today 2024-04-01 --balance-from-file)
rm -f export.gpc
"${cli[@]}" "${from_file[@]}" "$data/layouts/wise.csv" "$data/layouts/revolut.csv" >log.txt 2>&1
check "--balance-from-file exits 3 (the files overlap)" test $? -eq 3
check "--balance-from-file: the old balance" test "$(cut -c46-60 export.gpc | head -1)" = \
  "00000005000000+"
log_has "--balance-from-file: the log" \
  "^Počáteční zůstatek 50000.00 Kč převzat ze souboru .*revolut.csv$"
rm -f export.gpc
"${cli[@]}" "${from_file[@]}" "$examples/vypis-2014-09.csv" >log.txt 2>&1
check "--balance-from-file without a stated balance exits 1" test $? -eq 1
check "--balance-from-file without a stated balance writes nothing" test ! -e export.gpc
"${cli[@]}" "${from_file[@]}" --balance 5 "$data/layouts/wise.csv" >/dev/null 2>&1
check "--balance with --balance-from-file exits 2" test $? -eq 2
# A balance "k" the period's last day closes the period, though its line
# stands above the rows: the header opens with the balance before them.
printf 'Zůstatek k 31.01.2024;12300,00\r\n\r\nDatum;Částka\r\n10.01.2024;1000,00\r\n31.01.2024;1300,00\r\n' |
  iconv -f UTF-8 -t CP1250 >dated.csv
rm -f export.gpc
"${cli[@]}" --config "$work/tarvolo.cfg" --account 2000145399 --number 7 --from 2024-01-01 \
  --today 2024-02-01 --balance-from-file "$work/dated.csv" >log.txt 2>&1
check "a closing balance above the rows exits 0" test $? -eq 0
check "a closing balance above the rows: old and new balance" \
  test "$(head -1 export.gpc | cut -c46-75)" = "00000001000000+00000001230000+"

# An IBAN given for another account than the profile's refuses the run.
rm -f export.gpc
"${cli[@]}" "${profile[@]}" --iban CZ2120100000001234567890 --camt export.xml \
  "$examples/vypis-2014-09.csv" >log.txt 2>&1
check "--iban of another account exits 1" test $? -eq 1
check "--iban of another account: nothing written" test ! -e export.gpc
log_has "--iban of another account is named" \
  "IBAN CZ2120100000001234567890 patří k účtu 1234567890/2010, ne k účtu 2000145399 z"
# Where no IBAN can be known, the log names each document without it, once,
# and how to give it.
"${cli[@]}" "${from_file[@]}" --camt wise.xml "$data/layouts/wise.csv" >log.txt 2>&1
check "no IBAN: more than one document" test "$(ls wise*.xml | wc -l)" -gt 1
for document in wise*.xml; do
  check "no IBAN: $document named once, with the option" test "$(log_text |
    grep -c "^Soubor $document uvádí účet bez IBAN (kód banky není znám); .* volbou --iban")" = 1
  check "no IBAN: $document names its bank as not provided" \
    grep -q "<Othr><Id>NOTPROVIDED</Id></Othr>" <(tr -d ' \n' <"$document")
done
convert examples-2014-09.gpc "$examples/vypis-2014-09.csv"
check "Servis24: no layout line" test "$(log_text | grep -c "rozpoznán formát")" = 0

# The checker: sound files pass, a broken one fails with its problem.
"${cli[@]}" --check "$data/examples-all.gpc" "$data/examples-2014-10.gpc" >/dev/null 2>&1
check "--check of sound files exits 0" test $? -eq 0
head -c 300 "$data/examples-2014-09.gpc" >broken.gpc
"${cli[@]}" --check broken.gpc >check.txt 2>&1
check "--check of a broken file exits 1" test $? -eq 1
check "--check names the short line" grep -q "3: d" check.txt
"${cli[@]}" --check >/dev/null 2>&1
check "--check without a file exits 2" test $? -eq 2

# --save keeps the profile: a later run without options gives the same file.
rm -f export.gpc tarvolo.cfg
"${cli[@]}" "${profile[@]}" --save "$examples/vypis-2014-09.csv" >/dev/null 2>&1
check "--save writes 64 bytes" test "$(stat -c %s tarvolo.cfg 2>/dev/null)" = 64
rm -f export.gpc
"${cli[@]}" --config "$work/tarvolo.cfg" --today 2014-12-01 "$examples/vypis-2014-09.csv" \
  >/dev/null 2>&1
check "saved profile converts alike" cmp -s export.gpc "$data/examples-2014-09.gpc"

# Nothing loaded: exit 1 and the earlier file stays.
printf 'earlier' >export.gpc
"${cli[@]}" "${profile[@]}" "$work/missing.csv" >/dev/null 2>&1
check "missing input exits 1" test $? -eq 1
check "missing input keeps export.gpc" test "$(cat export.gpc)" = earlier

# A write that fails: exit 1 and the earlier file stays.
chmod a-w export.gpc
"${cli[@]}" "${profile[@]}" "$examples/vypis-2014-09.csv" >/dev/null 2>&1
check "failed write exits 1" test $? -eq 1
check "failed write keeps export.gpc" test "$(cat export.gpc)" = earlier
chmod u+w export.gpc
"${cli[@]}" "${profile[@]}" --output "$work/no/such/folder/x.gpc" \
  "$examples/vypis-2014-09.csv" >/dev/null 2>&1
check "unwritable output folder exits 1" test $? -eq 1

# Every file must be read, or nothing is written: a script cannot see the log.
printf 'earlier' >export.gpc
"${cli[@]}" "${profile[@]}" "$examples/vypis-2014-09.csv" "$work/missing.csv" >log.txt 2>&1
check "unreadable input exits 1" test $? -eq 1
check "unreadable input keeps export.gpc" test "$(cat export.gpc)" = earlier
if $native; then
  check "unreadable input is named" grep -qx "Soubor $work/missing.csv nelze přečíst!!!" log.txt
fi

# A file written whole whose check finds faults: exit 3.
rm -f export.gpc
sed "s#2014/09/02#2014/13/02#" "$examples/vypis-2014-09.csv" >month13.csv
"${cli[@]}" "${profile[@]}" "$work/month13.csv" >log.txt 2>&1
check "faults found in the written file exit 3" test $? -eq 3
check "faults found: the file is written" test -s export.gpc

# The own account as people write it is the format's 16 digits; anything
# else refuses the run and the save.
for form in "19-2000145399" "19 - 2000 145 399" "19-2000145399/0800" "0000192000145399"; do
  rm -f export.gpc
  "${cli[@]}" "${profile[@]}" --account "$form" "$examples/vypis-2014-09.csv" >log.txt 2>&1
  check "account $form: exit 0" test $? -eq 0
  check "account $form: the header" test "$(head -c 19 export.gpc)" = "0740000192000145399"
  if [[ $form == */0800 ]]; then
    log_has "the bank code dropped is named" "^Kód banky 0800 za číslem účtu v nastavení vynechán"
  fi
done
rm -f export.gpc
cp tarvolo.cfg kept.cfg
"${cli[@]}" "${profile[@]}" --account abc --save "$examples/vypis-2014-09.csv" >log.txt 2>&1
check "account abc: exit 1" test $? -eq 1
check "account abc: nothing written" test ! -e export.gpc
check "account abc: the profile is not saved" cmp -s tarvolo.cfg kept.cfg
log_has "account abc: named" "^Číslo účtu musí být ve tvaru předčíslí-číslo"

# Czech file names show in the log as they were typed.
if $native; then
  cp "$examples/vypis-2014-09.csv" "výpis září.csv"
  "${cli[@]}" "${profile[@]}" --output "výstup.gpc" "výpis září.csv" >log.txt 2>&1
  check "Czech names: exit 0" test $? -eq 0
  check "Czech names: input" grep -qx "Převádím soubor výpis září.csv" log.txt
  check "Czech names: output" grep -qx "Zapsán soubor výstup.gpc" log.txt
  check "Czech names: check" grep -qx "Kontrola souboru výstup.gpc: v pořádku" log.txt
  "${cli[@]}" --check "chybí.gpc" "výstup.gpc" >log.txt 2>&1
  check "Czech names: --check" diff <(printf 'chybí.gpc: soubor nelze přečíst\nvýstup.gpc: v pořádku\n') log.txt
fi

# A file of columns no reading knows is refused, naming its columns and the
# option; converted exactly by the columns the user maps; and, the mapping
# kept with --save, converted again by it without the option.
mkdir taught
taught=(--config "$work/taught/tarvolo.cfg" --account 2000145399 --name "Novák a syn s.r.o."
        --balance "125 430,50" --number 7 --from 2014-09-01 --today 2014-12-01)
columns="datum=Posted On;částka=Sum (CZK);název=Party;protiúčet=Party Acct;banka=Party Bank"
columns+=";vs=Ref No;zpráva=Text"
rm -f export.gpc
"${cli[@]}" "${taught[@]}" "$data/taught-columns.csv" >log.txt 2>&1
check "taught: refused without the mapping" test $? -eq 1
check "taught: nothing written without it" test ! -e export.gpc
if $native; then
  log_has "taught: the columns and the option named" \
    '^Sloupce souboru .*taught-columns.csv: "Posted On", "Sum (CZK)", "Party", "Party Acct", "Party Bank", "Ref No", "Text"; převod lze zadat volbou --columns "datum=…;částka=…"$'
fi
# A usage error names what is wrong: a column the header lacks, a role
# given twice, a role unknown.
bad_mappings=("datum=Posted On;částka=Amount" 'sloupec "Amount"'
              "datum=Posted On;date=Text;částka=Sum (CZK)" 'role "date" je zadána dvakrát'
              "datum=Posted On;suma=Sum (CZK)" 'neznámá role "suma"')
for ((i = 0; i < ${#bad_mappings[@]}; i += 2)); do
  bad=${bad_mappings[i]}
  "${cli[@]}" "${taught[@]}" --columns "$bad" --save "$data/taught-columns.csv" >log.txt 2>&1
  check "taught: $bad exits 2" test $? -eq 2
  check "taught: $bad writes nothing" test ! -e export.gpc
  check "taught: $bad keeps nothing" test ! -e taught/tarvolo-columns.txt
  if $native; then
    check "taught: $bad named" grep -q "^tarvolo-cli: volba --columns: .*${bad_mappings[i + 1]}" \
      log.txt
  fi
done
# A mapping the data refuse writes nothing and is not kept.
"${cli[@]}" "${taught[@]}" --columns "datum=Party;částka=Sum (CZK)" --save \
  "$data/taught-columns.csv" >log.txt 2>&1
check "taught: a mapping the data refuse exits 1" test $? -eq 1
check "taught: a mapping the data refuse is not kept" test ! -e taught/tarvolo-columns.txt
log_has "taught: a mapping the data refuse named" "formát zadaný převodem sloupců s hlavičkou na řádku 2 nelze použít"
rm -f export.gpc
"${cli[@]}" "${taught[@]}" --columns "$columns" --save "$data/taught-columns.csv" >log.txt 2>&1
check "taught: converted by the mapping, exit 0" test $? -eq 0
check "taught: converted exactly" cmp -s export.gpc "$data/taught-columns.gpc"
check "taught: the mapping kept beside the profile" test -s taught/tarvolo-columns.txt
log_has "taught: the keeping said" "^Převod sloupců uložen do souboru .*tarvolo-columns.txt$"
rm -f export.gpc
"${cli[@]}" "${taught[@]}" "$data/taught-columns.csv" >log.txt 2>&1
check "taught: converted by the kept mapping, exit 0" test $? -eq 0
check "taught: converted exactly again" cmp -s export.gpc "$data/taught-columns.gpc"
log_has "taught: read by the kept mapping" "převeden podle uloženého převodu sloupců"

# Two amount columns named alike that differ, with no balance to choose: the
# file is refused naming both, and converted by the one the user names.
printf 'Datum;Objem;Částka\r\n02.09.2014;-100,00;-100,00\r\n03.09.2014;200,00;210,00\r\n' \
  | iconv -f UTF-8 -t CP1250 >competing.csv
rm -f export.gpc
"${cli[@]}" "${taught[@]}" competing.csv >log.txt 2>&1
check "competing amounts: refused" test $? -eq 1
check "competing amounts: nothing written" test ! -e export.gpc
log_has "competing amounts: both named with the option" \
  'sloupce 2 "Objem" a 3 "Částka" uvádějí různé částky (poprvé na řádku 3) .*--columns'
"${cli[@]}" "${taught[@]}" --columns "datum=Datum;částka=Částka" competing.csv >log.txt 2>&1
check "competing amounts: converted by the column named, exit 0" test $? -eq 0
check "competing amounts: its amounts" test "$(grep -c "^075" export.gpc)" = 2

# Usage errors.
"${cli[@]}" --bogus a.csv >/dev/null 2>&1
check "unknown option exits 2" test $? -eq 2
"${cli[@]}" --from 2014-02-30 a.csv >/dev/null 2>&1
check "bad date exits 2" test $? -eq 2
"${cli[@]}" --help >/dev/null 2>&1
check "--help exits 0" test $? -eq 0
# An empty file argument would hide the files after it.
rm -f export.gpc
"${cli[@]}" "${profile[@]}" "$examples/vypis-2014-09.csv" "" "$examples/vypis-2014-10.csv" \
  >log.txt 2>&1
check "empty file argument exits 2" test $? -eq 2
check "empty file argument writes nothing" test ! -e export.gpc

finish "cli end to end"
