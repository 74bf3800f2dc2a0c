#!/usr/bin/python3
"""Fails when a test of the build in BUILD_DIR has no label or more than one,
or a label outside the tiers: every test belongs to exactly one tier, so that
`ctest -L <tier>` runs it with its kind and `make test` leaves out the package.
check-test-labels.py BUILD_DIR"""
import json, subprocess, sys

TIERS = {"unit", "x11", "sound", "install", "fuzz", "package"}

listing = subprocess.run(["ctest", "--test-dir", sys.argv[1], "--show-only=json-v1"],
                         capture_output=True, text=True, check=True).stdout
wrong = []
for test in json.loads(listing)["tests"]:
    labels = next((p["value"] for p in test.get("properties", []) if p["name"] == "LABELS"), [])
    if len(labels) != 1 or labels[0] not in TIERS:
        wrong.append(f"{test['name']}: {labels or 'no label'}")
print("\n".join(wrong) or "every test has one tier")
sys.exit(1 if wrong else 0)
