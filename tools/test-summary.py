#!/usr/bin/env python3
"""Closing lines of a test run, from CTest's JUnit report.

    test-summary.py JUNIT LAB_LIST [--require-labs]

JUNIT is the file `ctest --output-junit` wrote; LAB_LIST the output of
`ctest -N -L lab` (the cases that build network labs). Prints one line per
skipped case with the reason it gave, a line counting the lab cases, and,
last, "Tests: N passed, N failed, N skipped". With --require-labs a skipped
lab case fails the run (exit 1): CI runs as root, where every lab can be
built. Otherwise the exit status is 0; CTest's own status says whether
anything failed.
"""

import re
import sys
import xml.etree.ElementTree as ElementTree


def skip_reason(output):
    # GoogleTest prints "file:line: Skipped" and the test's message below it.
    lines = (output or "").splitlines()
    for i, line in enumerate(lines):
        if line.endswith(": Skipped") and i + 1 < len(lines) and lines[i + 1].strip():
            return lines[i + 1].strip()
    return "no reason given"


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    junit, lab_list = argv[1], argv[2]
    require_labs = "--require-labs" in argv[3:]
    with open(lab_list, encoding="utf-8", errors="replace") as listing:
        labs = set(re.findall(r"Test\s+#\d+: (\S+)", listing.read()))
    passed = failed = 0
    skipped = []
    lab_cases = 0
    for case in ElementTree.parse(junit).getroot().iter("testcase"):
        name = case.get("name", "")
        lab_cases += name in labs
        status = case.get("status", "")
        if case.find("skipped") is not None or status in ("notrun", "disabled", "skipped"):
            output = case.findtext("system-out") or ""
            skipped.append((name, skip_reason(output)))
        elif case.find("failure") is not None or case.find("error") is not None or status == "fail":
            failed += 1
        else:
            passed += 1
    for name, reason in skipped:
        print(f"Skipped: {name}: {reason}")
    skipped_labs = [name for name, _ in skipped if name in labs]
    print(f"Lab tests: {lab_cases - len(skipped_labs)} ran, {len(skipped_labs)} skipped")
    missed = require_labs and skipped_labs
    if missed:
        print(f"{len(skipped_labs)} lab tests skipped although this run must build every lab")
    print(f"Tests: {passed} passed, {failed} failed, {len(skipped)} skipped")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
