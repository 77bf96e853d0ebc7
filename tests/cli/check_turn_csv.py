"""zef-plan --csv: the file parses as CSV, has a row for every turn, and its
last row is the treasury that the report's summary prints."""
import csv
import subprocess
import sys
import tempfile
from pathlib import Path
from decimal import Decimal, ROUND_HALF_EVEN

plan, folder = sys.argv[1], sys.argv[2]


def figure(value):
    return str(int(Decimal(value).quantize(Decimal(1), rounding=ROUND_HALF_EVEN)))


with tempfile.TemporaryDirectory() as tmp:
    csv_path = Path(tmp) / "tahy.csv"
    report = subprocess.run([plan, "-C", folder, "--csv", str(csv_path)], check=True, capture_output=True).stdout
    plain = subprocess.run([plan, "-C", folder], check=True, capture_output=True).stdout
    assert report == plain, "--csv changed the report"
    to_stdout = subprocess.run([plan, "-C", folder, "--csv", "-", "--no-report"], check=True,
                               capture_output=True).stdout
    with open(csv_path, newline="", encoding="utf-8") as f:
        text = f.read()
    assert to_stdout.decode("utf-8") == text, "--csv - differs from the file"
    table = list(csv.reader(text.splitlines(keepends=True), strict=True))

columns = ["turn", "line", "unit", "gold", "mana", "gold_upkeep", "mana_upkeep", "gold_income", "mana_income",
           "damage"]
assert table[0] == columns, table[0]
assert len(table) > 1, "no turn was written"
rows = [dict(zip(columns, row, strict=True)) for row in table[1:]]
assert [int(r["turn"]) for r in rows] == list(range(1, len(rows) + 1)), "turns not 1..n"
last = rows[-1]
summary = report.decode("cp1250").split("Suma: ")[-1].replace("\r\n", "\n")
expected = (f"Zl/TU: {figure(last['gold_upkeep'])} Mn/TU: {figure(last['mana_upkeep'])}\n"
            f"      Zl: {figure(Decimal(last['gold']) / 1000)}k Mn: {figure(Decimal(last['mana']) / 1000)}k\n"
            f"                   DMG: {figure(last['damage']):>5}\n")
assert summary.startswith(expected), f"summary:\n{summary}\nlast row gives:\n{expected}"
assert f"\ntahu {last['turn']}," in summary, f"summary does not count {last['turn']} turns"
print(f"{len(rows)} rows; last row matches the summary")
