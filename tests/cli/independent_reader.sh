#!/usr/bin/env bash
# Reads what tarvolo-cli writes with an independent, strict GPC reader
# (ofxstatement's gpc plugin) and checks the balance, the item count and the
# amounts it reports: for the Servis24 examples and for each other bank's
# layout in tests/data/layouts.
#   independent_reader.sh SOURCE-FOLDER TARVOLO-CLI
set -euo pipefail
source_dir=$1
cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
profile=(--config "$work/t.cfg" --account 2000145399 --name "Novák a syn s.r.o."
         --balance "125 430,50" --number 7 --from 2014-09-01 --today 2014-12-01)
failures=0 tried=0

# read_beside NAME: each statement written beside export.gpc (another
# currency, another own account) is read too, its items adding up to the
# balances of its own header.
read_beside() {
  local other
  for other in export-*.gpc; do
    [ -e "$other" ] || continue
    if ! ofxstatement convert -t gpc "$other" beside.ofx >reader.log 2>&1; then
      cat reader.log
      echo "FAILED: $1: the reader refuses $other"
      failures=$((failures + 1))
      continue
    fi
    python3 - beside.ofx "$other" "$1" <<'PY' || failures=$((failures + 1))
import re, sys
from decimal import Decimal
ofx = open(sys.argv[1], encoding="utf-8", errors="replace").read()
header = open(sys.argv[2], "rb").read(130).decode("cp1250")
def field(at):  # 14 digits in hellers, then the sign
    return Decimal(header[at:at + 14]) / 100 * (-1 if header[at + 14] == "-" else 1)
amounts = [Decimal(a) for a in re.findall(r"<TRNAMT>([-0-9.]+)</TRNAMT>", ofx)]
balance = Decimal(re.search(r"<BALAMT>([-0-9.]+)</BALAMT>", ofx).group(1))
if not amounts or field(45) + sum(amounts) != balance or field(60) != balance:
    print(f"FAILED: {sys.argv[3]}: {sys.argv[2]} does not add up")
    sys.exit(1)
PY
  done
}

# read_back NAME ITEMS CREDITS DEBITS FILES...: converts, reads the result
# back and compares what the reader finds.
read_back() {
  local name=$1 items=$2 credits=$3 debits=$4
  tried=$((tried + 1))
  shift 4
  rm -f export*.gpc out.ofx
  # Exit 3 (written, with warnings in the log) is a written file too.
  "$cli" "${profile[@]}" "$@" >/dev/null || test $? -eq 3
  read_beside "$name"
  if ! ofxstatement convert -t gpc export.gpc out.ofx >reader.log 2>&1; then
    cat reader.log
    echo "FAILED: $name: the reader refuses the file"
    failures=$((failures + 1))
    return
  fi
  python3 - out.ofx "$name" "$items" "$credits" "$debits" <<'PY' || failures=$((failures + 1))
import re, sys
from decimal import Decimal
ofx = open(sys.argv[1], encoding="utf-8", errors="replace").read()
name, items, credits, debits = sys.argv[2], int(sys.argv[3]), Decimal(sys.argv[4]), Decimal(sys.argv[5])
amounts = [Decimal(a) for a in re.findall(r"<TRNAMT>([-0-9.]+)</TRNAMT>", ofx)]
balance = Decimal(re.search(r"<BALAMT>([-0-9.]+)</BALAMT>", ofx).group(1))
checks = {
    "item count": len(amounts) == items,
    "new balance": balance == Decimal("125430.50") + credits - debits,
    "items add up": Decimal("125430.50") + sum(amounts) == balance,
    "credits": sum(a for a in amounts if a > 0) == credits,
    "debits": -sum(a for a in amounts if a < 0) == debits,
}
failed = [check for check, ok in checks.items() if not ok]
for check in failed:
    print(f"FAILED: {name}: {check}")
sys.exit(1 if failed else 0)
PY
}

read_back servis24 15 191785.92 96220.75 "$source_dir/examples/vypis-2014-09.csv" \
  "$source_dir/examples/vypis-2014-10.csv" "$source_dir/examples/vypis-2014-11.csv"
layouts=$source_dir/tests/data/layouts
# Items, credits and debits of each sample, as its rows were written.
read_back airbank 3 3200.00 12759.00 "$layouts/airbank.csv"
read_back business24 3 48000.00 12650.00 "$layouts/business24.csv"
read_back csob 3 48400.00 12850.00 "$layouts/csob.csv"
read_back fio 5 51400.00 1905.60 "$layouts/fio.csv"
read_back kb 4 15479.00 13700.00 "$layouts/kb.csv"
read_back mbank 3 48400.00 6234.56 "$layouts/mbank.csv"
read_back moneta 2 7500.00 12500.00 "$layouts/moneta.csv"
read_back raiffeisen 3 25000.00 1718.01 "$layouts/raiffeisen.csv"
read_back unicredit 2 2500.50 1600.00 "$layouts/unicredit.csv"
# Fees beside the amount are records of their own; rows not booked are none,
# and neither are those in another currency than the account's.
read_back revolut 7 34200.00 14009.50 "$layouts/revolut.csv"
read_back wise 4 15000.00 8685.30 "$layouts/wise.csv"
read_back paypal 7 177944.97 15604.50 "$layouts/paypal.csv"
# A fee refunded alone is a credit; a transfer list's incoming money, and a
# counter account of prefix and number run together.
read_back revolut-2022 5 5.00 14739.50 "$layouts/revolut-2022.csv"
read_back wise-transfers 4 2470.00 6500.00 "$layouts/wise-transfers.csv"
read_back kb-business 2 48400.00 12500.00 "$layouts/kb-business.csv"
# Own accounts and balances in preambles; counter accounts that are no
# Czech account (a foreign IBAN, a card) give records all the same.
read_back fio-vypis 4 24200.00 14315.60 "$layouts/fio-vypis.csv"
read_back fio-all-accounts 3 24200.00 12500.10 "$layouts/fio-all-accounts.csv"
read_back kb-account-currency 3 18150.00 2450.00 "$layouts/kb-account-currency.csv"
read_back mbank-apostrophes 3 48400.00 6234.56 "$layouts/mbank-apostrophes.csv"
read_back mbank-opening 5 15730.00 26367.20 "$layouts/mbank-opening.csv"
read_back raiffeisen-cards 4 25000.00 1806.90 "$layouts/raiffeisen-cards.csv"
read_back airbank-foreign 4 12100.00 3880.00 "$layouts/airbank-foreign.csv"
# Other languages and older layouts.
read_back revolut-personal-de 5 2000.00 961.40 "$layouts/revolut-personal-de.csv"
read_back revolut-personal-it 5 300.00 194.50 "$layouts/revolut-personal-it.csv"
read_back revolut-2018 3 300.00 73.45 "$layouts/revolut-2018.csv"
read_back revolut-2018-currencies 2 512.00 245.00 "$layouts/revolut-2018-currencies.csv"
read_back wise-transfers-de 4 1852.50 4400.00 "$layouts/wise-transfers-de.csv"
read_back paypal-it 3 1500.00 314.50 "$layouts/paypal-it.csv"
read_back paypal-fr-2014 4 251.45 49.05 "$layouts/paypal-fr-2014.csv"
read_back paypal-fr-statement 4 1234.50 1094.40 "$layouts/paypal-fr-statement.csv"
# Holds, releases and pending rows as the running balance shows them.
read_back paypal-holds 6 235.57 230.00 "$layouts/paypal-holds.csv"
read_back paypal-pending 4 35.99 26.58 "$layouts/paypal-pending.csv"
# SumUp's times after a comma, the German statement's two-digit years, its
# rows in progress, declined, failed and cancelled, none of them an item.
read_back sumup 4 1661.05 1268.40 "$layouts/sumup.csv"
read_back sumup-de 5 1661.05 1069.00 "$layouts/sumup-de.csv"
echo "independent reader: $((tried - failures)) passed, $failures failed"
test "$failures" -eq 0
