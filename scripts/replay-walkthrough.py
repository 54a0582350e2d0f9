#!/usr/bin/env python3
"""Replays a walk-through page of docs/formats in a fresh folder.

Writes every code block marked <!-- file: NAME --> as NAME and runs every
block marked <!-- run --> with bash, SCENARIO set to the built front end and
DATA to the bundled inputs, as a reader following the page would. Then checks
that every line of the page's unmarked blocks (the output it shows) that
holds no "..." or timing appears in what the commands printed.

    scripts/replay-walkthrough.py docs/formats/walkthrough-scenario.md /tmp/replay
"""
import os
import re
import shutil
import subprocess
import sys

page, work = sys.argv[1], sys.argv[2]
repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
env = dict(os.environ, SCENARIO=os.path.join(repo, "build/release/bin/scenario"),
           DATA=os.path.join(repo, "data"))
shutil.rmtree(work, ignore_errors=True)
os.makedirs(work)

lines = open(page).read().splitlines()
printed, shown, block, marker = "", [], None, None
for i, line in enumerate(lines):
    if not line.startswith("```"):
        if block is not None:
            block.append(line)
        continue
    if block is None:
        block = []
        m = re.match(r"<!-- (file: (\S+)|run) -->", lines[i - 1]) if i else None
        marker = m
        continue
    text = "\n".join(block) + "\n"
    if marker and marker.group(2):
        with open(os.path.join(work, marker.group(2)), "w") as f:
            f.write(text)
    elif marker:
        r = subprocess.run(["bash", "-euo", "pipefail", "-c", text], cwd=work, env=env,
                           capture_output=True, text=True)
        printed += r.stdout + r.stderr
        if r.returncode != 0:
            sys.exit(f"{page}: the block ending on line {i + 1} failed (exit status {r.returncode}):\n"
                     + r.stdout + r.stderr)
    else:
        shown += [l for l in block if l.strip() and "..." not in l and " done " not in l]
    block = None

missing = [l for l in shown if l.rstrip() not in printed]
for l in missing:
    print("not printed:", l)
print(f"{page}: {len(shown) - len(missing)} of {len(shown)} shown lines printed")
