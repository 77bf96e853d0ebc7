"""Runs two zef-plan builds (the Linux one and the Windows one under Wine) on
random but valid plan folders and stops at the first difference in the
report, the CSV of the turns, the chart's SVG, --explain, standard error or
exit status, keeping that folder.

    random_plans.py COUNT SEED ZEF_PLAN OTHER_ZEF_PLAN
"""
import random
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

NOISE = bytes(b for b in range(256) if b not in b"\r\n0123456789")  # raw bytes, undefined ones too


def write_folder(rng, folder):
    def noise(longest):
        return bytes(rng.choices(NOISE, k=rng.randint(0, longest))).lstrip(b"@;")  # no directive, no comment

    units = [(rng.choice([0, 3, 12.5, 90]), rng.choice([0, 1, 7, 60])) for _ in range(rng.randint(0, 24))]
    catalogue = [noise(30)] + [b"%s %d %d 0 %r %d 0 %r %r" % (noise(9), rng.randint(0, 900), rng.randint(0, 400),
                                                              rng.uniform(0, 9), rng.randint(0, 20), s, b)
                               for s, b in units]
    plan = [b"@%s %r" % (rng.choice([b"zl", b"zld", b"mna", b"mnt", b"maxmn", b"dmg", b"prz", b"skip"]),
                         rng.choice([0, 2, 3600, 1.5e6, 0.25])) for _ in range(rng.randint(0, 6))]
    plan += [b"@facktor " + rng.choice([b"2", b"0.5"])] * rng.randint(0, 1) + [b";" + noise(20)]
    for _ in range(rng.randint(0, 24)):
        unit = rng.randint(1, len(units) + 2)
        s, b = units[unit - 1] if unit <= len(units) else (0, 0)
        # A few hundred turns at most, so that a CSV stays small; now and then
        # more than a run can count even at half the amount, which refuses the plan.
        turns = 1e10 if rng.random() < 0.03 else rng.uniform(0, 300)
        amount = rng.choice([b"%d" % round(0.4 * s * b * turns)] * 4 + [b"2 000", b"2OOO", b""])
        plan.append(b"%s %d %s %s" % (noise(6), unit, amount, noise(6)))
    for name, lines in (("arm.txt", catalogue), ("rekrut.txt", plan)):
        (folder / name).write_bytes(b"".join(line + rng.choice([b"\r\n", b"\n"]) for line in lines))


def outcome(zef_plan, folder):
    runs = [subprocess.run([zef_plan, *arguments], cwd=folder, capture_output=True, timeout=120)
            for arguments in (["--csv", "turns.csv", "--chart", "chart.svg"], ["--explain"])]
    # Windows writes standard error as text, every LF as CR LF.
    found = [(run.returncode, run.stdout, run.stderr.replace(b"\r\n", b"\n")) for run in runs]
    for written in (folder / "turns.csv", folder / "chart.svg"):
        found.append(written.exists() and written.read_bytes())
        written.unlink(missing_ok=True)
    return found


count, seed = int(sys.argv[1]), sys.argv[2]
zef_plans = [str(Path(zef_plan).resolve()) for zef_plan in sys.argv[3:5]]
for number in range(count):
    folder = Path(tempfile.mkdtemp(prefix=f"zef-plan-{seed}-{number}-"))
    write_folder(random.Random(f"{seed}/{number}"), folder)
    first, second = (outcome(zef_plan, folder) for zef_plan in zef_plans)
    if first != second:
        sys.exit(f"plan {number} of seed {seed} differs ({folder}); exit statuses and standard error: "
                 f"{[[run[0::2] for run in found[:2]] for found in (first, second)]}")
    shutil.rmtree(folder)
print(f"{count} random plans of seed {seed}: the same in both builds")
