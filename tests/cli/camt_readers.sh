#!/usr/bin/env bash
# The camt.053 documents of tests/data/camt as others read them: validated
# against the ISO 20022 schema with xmllint, and read by an independent
# reader (ofxstatement's iso20022 plugin) whose entries, dates, amounts,
# account and closing balance are compared with the statements' items.
# Exits 77 (skipped) when the schema or a tool is missing.
# Then the same for what tarvolo-cli writes with --camt beside its GPC file:
# the same entries, amounts and dates as the GPC records, and its balances.
#   camt_readers.sh SOURCE-FOLDER SHARED-FOLDER TARVOLO-CLI
set -euo pipefail
source_dir=$1
schema=$2/iso20022/camt.053.001.02.xsd
cli=$3
data=$source_dir/tests/data/camt
for tool in xmllint ofxstatement; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is missing (scripts/install-deps installs it)"
    exit 77
  fi
done
if [ ! -f "$schema" ]; then
  echo "SKIPPED: no schema at $schema"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
documents=0

# read_back NAME ACCOUNT CURRENCY CLOSING ENTRIES: ENTRIES holds one
# "booked value amount" per entry, as the statement's items are.
read_back() {
  local name=$1 account=$2 currency=$3 closing=$4 entries=$5 document=${6:-$data/$1.xml}
  documents=$((documents + 1))
  if ! xmllint --noout --schema "$schema" "$document" 2>"$work/xmllint.log"; then
    cat "$work/xmllint.log"
    echo "FAILED: $name: not valid against the schema"
    failures=$((failures + 1))
  fi
  if ! ofxstatement convert -t iso20022 "$document" "$work/$name.ofx" >"$work/reader.log" 2>&1; then
    cat "$work/reader.log"
    echo "FAILED: $name: the reader refuses the document"
    failures=$((failures + 1))
    return
  fi
  python3 - "$work/$name.ofx" "$name" "$account" "$currency" "$closing" "$entries" <<'PY' || failures=$((failures + 1))
import re, sys
from decimal import Decimal
ofx = open(sys.argv[1], encoding="utf-8").read()
name, account, currency, closing, entries = sys.argv[2:7]
found = [
    (re.search(r"<DTUSER>(\d+)", t).group(1),
     (re.search(r"<DTPOSTED>(\d+)", t) or re.search(r"()", t)).group(1),
     Decimal(re.search(r"<TRNAMT>([-0-9.]+)", t).group(1)))
    for t in re.findall(r"<STMTTRN>(.*?)</STMTTRN>", ofx)
]
expected = [(b, v, Decimal(a)) for b, v, a in (line.split() for line in entries.strip().splitlines())]
checks = {
    "entries": found == expected,
    "account": account == "-" or f"<ACCTID>{account}<" in ofx,
    "currency": currency == "-" or f"<CURDEF>{currency}<" in ofx,
    "closing balance": Decimal(re.search(r"<BALAMT>([-0-9.]+)", ofx).group(1)) == Decimal(closing),
}
failed = [check for check, ok in checks.items() if not ok]
for check in failed:
    print(f"FAILED: {name}: {check}")
if not checks["entries"]:
    print(f"  read {found}\n  expected {expected}")
sys.exit(1 if failed else 0)
PY
}

read_back czk CZ6508000000192000145399 CZK 139130.39 "
20140903 20140902 15000.00
20140910 20140910 -1258.11
20140930 20140930 -42.00"
read_back eur CZ5520100000002345678901 EUR 897.25 "
20140905 20140905 1200.00
20140912 20140912 -350.25
20140912 20140912 -2.50"

# What the converter writes: the GPC records' dates and amounts, entry by
# entry, in the document the same run writes.
gpc_entries() {  # gpc_entries FILE.gpc: "booked value amount" of each record
  python3 - "$1" <<'PY'
import sys
for line in open(sys.argv[1], encoding="cp1250", newline="").read().split("\r\n"):
    if not line.startswith("075"):
        continue
    day = lambda f: "20" + f[4:6] + f[2:4] + f[0:2]
    amount = int(line[48:60]) / 100
    sign = "-" if line[60] in "14" else ""
    print(day(line[122:128]), day(line[91:97]), f"{sign}{amount:.2f}")
PY
}
gpc_closing() {  # gpc_closing FILE.gpc: the new balance of its header
  python3 - "$1" <<'PY'
import sys
line = open(sys.argv[1], encoding="cp1250", newline="").read().split("\r\n")[0]
print(("-" if line[74] == "-" else "") + f"{int(line[60:74]) / 100:.2f}")
PY
}
convert() {  # convert NAME ACCOUNT CURRENCY CLOSING FILES...; CLOSING - is the GPC file's
  local name=$1 account=$2 currency=$3 closing=$4 other suffix
  shift 4
  rm -f "$work"/run-*.gpc
  (cd "$work" && "$cli" --config "$work/t.cfg" --account 2000145399 --name "Novak a syn" \
    --balance "125 430,50" --number 7 --from 2014-09-01 --today 2014-12-01 --output run.gpc \
    --camt "$name.xml" "$@" >"$work/run.log" 2>&1) || test $? -eq 3
  if [ "$closing" = - ]; then closing=$(gpc_closing "$work/run.gpc"); fi
  read_back "$name" "$account" "$currency" "$closing" "$(gpc_entries "$work/run.gpc")" \
    "$work/$name.xml"
  # Each statement beside it (another currency, another own account) reads
  # as its GPC twin does.
  for other in "$work"/run-*.gpc; do
    [ -e "$other" ] || continue
    suffix=${other#"$work"/run}
    suffix=${suffix%.gpc}
    # ofxstatement's reader takes a balance's amount without its sign.
    if [[ $(gpc_closing "$other") == -* ]]; then
      echo "SKIPPED: $name$suffix: a negative closing balance"
      continue
    fi
    read_back "$name$suffix" - - "$(gpc_closing "$other")" "$(gpc_entries "$other")" \
      "$work/$name$suffix.xml"
  done
}
convert examples CZ7908000000002000145399 CZK 220995.67 "$source_dir/examples/vypis-2014-09.csv" \
  "$source_dir/examples/vypis-2014-10.csv" "$source_dir/examples/vypis-2014-11.csv"
# Servis24 names each counterparty ("Název protiúčtu"); the reader finds
# the names in the entries, in order.
python3 - "$work/examples.ofx" "$source_dir"/examples/vypis-2014-{09,10,11}.csv <<'PY' ||
import csv, re, sys
found = re.findall(r"<NAME>([^<\r\n]*)", open(sys.argv[1], encoding="utf-8").read())
expected = [row[4] for path in sys.argv[2:]
            for row in list(csv.reader(open(path, encoding="cp1250", newline=""), delimiter=";"))[1:]
            if any(field.strip() for field in row)]
if found != expected:
    print(f"FAILED: examples: counterparty names\n  read {found}\n  expected {expected}")
    sys.exit(1)
PY
  failures=$((failures + 1))
# A layout with fee entries of their own, the bank code given.
convert revolut CZ9320100000002000145399 CZK 145621.00 --bank-code 2010 \
  "$source_dir/tests/data/layouts/revolut.csv"
# Revolut's ids are 36 characters, alike in their first 35: each payment's
# reference names exactly one of them. A fee entry shares its payment's id,
# so its reference is one of its own: no two entries share one.
python3 - "$work/revolut.xml" "$source_dir/tests/data/layouts/revolut.csv" <<'PY' ||
import csv, re, sys
ids = [row["ID"] for row in csv.DictReader(open(sys.argv[2], encoding="utf-8-sig"))]
entries = re.findall(r"<Ntry>.*?</Ntry>", open(sys.argv[1]).read(), re.S)
refs = [re.search(r"<AcctSvcrRef>([^<]*)<", e).group(1) for e in entries]
fees = ["<Cd>40000601000</Cd>" in e for e in entries]
named = [[i for i in ids if i.replace("-", "") == ref] for ref in refs]
bad = [ref for ref, found, fee in zip(refs, named, fees)
       if (len(found) != 1 and not fee) or len(ref) > 35 or refs.count(ref) > 1]
if not refs or not any(fees) or bad:
    print(f"FAILED: revolut: references that name no single id: {bad or 'none written'}")
    sys.exit(1)
PY
  failures=$((failures + 1))
# An account in euros, its bank stated by the file.
convert fio-eur CZ5520100000002345678901 EUR 126277.75 --account 2345678901 "$data/fio-eur.csv"
# An account abroad, its IBAN given.
convert revolut-abroad LT121000011101001000 CZK 145621.00 --iban "LT12 1000 0111 0100 1000" \
  "$source_dir/tests/data/layouts/revolut.csv"
# Each Czech bank's layout names its bank: the IBAN is that of the account
# the file states (the profile's where it states none) at the layout's bank,
# or at the bank the file states with the account.
while read -r name account iban; do
  convert "iban-$name" "$iban" CZK - --account "$account" "$source_dir/tests/data/layouts/$name.csv"
done <<'LAYOUTS'
airbank 2000145399 CZ0730300000002000145399
business24 2000145399 CZ7908000000002000145399
csob 2000145399 CZ6603000000002000145399
fio 2000145399 CZ9320100000002000145399
fio-vypis 2000145399 CZ9320100000002000145399
kb 2000145399 CZ2201000000002000145399
kb-business 115-2992080267 CZ8801000001152992080267
mbank 670100-2201234567 CZ5662106701002201234567
moneta 2000145399 CZ3506000000002000145399
raiffeisen 2000145399 CZ4655000000002000145399
raiffeisen-card 2000145399 CZ4655000000002000145399
unicredit 2000145399 CZ1227000000002000145399
LAYOUTS
# KB Business with a second own account in euros: each account's statement
# names its own IBAN, which the rows state.
convert kb-business-accounts CZ8801000001152992080267 CZK - --account 115-2992080267 \
  "$source_dir/tests/data/layouts/kb-business-accounts.csv"
if ! grep -q "<IBAN>CZ8601000000511234567890</IBAN>" \
  "$work/kb-business-accounts-51-1234567890-EUR.xml"; then
  echo "FAILED: kb-business-accounts: the second account's IBAN"
  failures=$((failures + 1))
fi
# Fio's movements on all accounts: each row's own account at Fio, each
# account's statement with its own IBAN.
convert fio-all-accounts CZ9320100000002000145399 CZK - --account 2000145399 \
  "$source_dir/tests/data/layouts/fio-all-accounts.csv"
if ! grep -q "<IBAN>CZ5520100000002345678901</IBAN>" \
  "$work/fio-all-accounts-2345678901-EUR.xml"; then
  echo "FAILED: fio-all-accounts: the second account's IBAN"
  failures=$((failures + 1))
fi
echo "camt readers: $((documents - failures)) passed, $failures failed"
test "$failures" -eq 0
