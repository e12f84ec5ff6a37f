#!/usr/bin/env bash
# Reads what tarvolo-cli writes with an independent, strict GPC reader
# (ofxstatement's gpc plugin) and checks the balance, the item count and the
# amounts it reports.
#   independent_reader.sh SOURCE-FOLDER TARVOLO-CLI
set -euo pipefail
source_dir=$1
cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$cli" --config "$work/t.cfg" --account 2000145399 --name "Novák a syn s.r.o." \
  --balance "125 430,50" --number 7 --from 2014-09-01 --today 2014-12-01 \
  "$source_dir/examples/vypis-2014-09.csv" "$source_dir/examples/vypis-2014-10.csv" \
  "$source_dir/examples/vypis-2014-11.csv" >/dev/null
ofxstatement convert -t gpc export.gpc out.ofx >reader.log 2>&1 || {
  cat reader.log
  echo "independent reader: 0 passed, 1 failed"
  exit 1
}
python3 - out.ofx <<'PY'
import re, sys
from decimal import Decimal
ofx = open(sys.argv[1], encoding="utf-8", errors="replace").read()
amounts = [Decimal(a) for a in re.findall(r"<TRNAMT>([-0-9.]+)</TRNAMT>", ofx)]
balance = Decimal(re.search(r"<BALAMT>([-0-9.]+)</BALAMT>", ofx).group(1))
checks = {
    "fifteen items": len(amounts) == 15,
    "new balance": balance == Decimal("220995.67"),
    "items add up": Decimal("125430.50") + sum(amounts) == balance,
    "credits": sum(a for a in amounts if a > 0) == Decimal("191785.92"),
    "debits": -sum(a for a in amounts if a < 0) == Decimal("96220.75"),
}
failed = [name for name, ok in checks.items() if not ok]
for name in failed:
    print("FAILED:", name)
print(f"independent reader: {len(checks) - len(failed)} passed, {len(failed)} failed")
sys.exit(1 if failed else 0)
PY
