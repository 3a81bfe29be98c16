#!/usr/bin/env python3
"""startup_parts.py: what start-up spends, by part, from callgrind profiles.

    bench/startup_parts.py PROFILE [PROFILE...]

Reads profiles such as bench/startup_callgrind.sh leaves (the first dump of each, up to the
window's first map) and prints one column of millions of instructions per profile. Each
instruction goes to the innermost part on its call stack; a function called from several parts
shares its cost among them in proportion to the calls' costs, as gprof does.
"""
import os
import re
import sys
from collections import defaultdict

# Part name and the functions that begin it, as callgrind names them. Anything outside every
# part is "libraries and the rest": the dynamic loader, static constructors, and main's glue.
PARTS = [
    ("Qt application", r"^QApplication::QApplication\("),
    ("translations", r"^varn::Translations::Translations\("),
    ("window icon", r"drawnIcon\("),
    ("menus", r"^varn::\w+::buildMenu\(|^varn::DesignMenuBar::"),
    ("controls and cells", r"^varn::\w+::(buildControls|buildBoard|wireControls)\("),
    ("font database", r"^QFontDatabasePrivate::ensureFontDatabase\("),
    ("searching missing faces", r"^QFontconfigDatabase::(fallbacksForFamily|resolveFontFamilyAlias)\("),
    ("loading fonts", r"^QFontDatabasePrivate::load\("),
    ("menu bar size", r"^QMenuBar::sizeHint\("),
    ("pictures", r"^varn::artwork::render\(|^varn::PictureProvider::"),
    ("text fitting", r"^varn::\w+::fitTexts\(|^varn::fitText\("),
    ("first deal", r"^varn::Game::ng_click\("),
    ("showing", r"^QWidget::setVisible\("),
    ("work on other threads", r"^start_thread$|^start_thread'"),
    ("rest of the window", r"^varn::Form1::Form1\(|^varn::\w+::\w+\("),
]
REST = "libraries and the rest"
# With STARTUP_PART=name, the functions that spend most of that part go to standard error.
DETAIL = os.environ.get("STARTUP_PART")
COMPILED = [(name, re.compile(pattern)) for name, pattern in PARTS]


def part_of(function):
    for name, pattern in COMPILED:
        if pattern.search(function):
            return name
    return None


def read_profile(path):
    """Names, self cost per function and inclusive cost per call edge (caller, callee); a
    function is its number in the profile, since names repeat across libraries."""
    names, own, edges = {}, defaultdict(int), defaultdict(int)
    current = callee = None
    pending_call = False

    def number_of(text):
        number, _, name = text.partition(" ")
        if name:
            names[number] = name
        return number

    with open(path) as profile:
        for line in profile:
            if line.startswith("fn="):
                current = number_of(line[3:].strip())
            elif line.startswith("cfn="):
                callee = number_of(line[4:].strip())
            elif line.startswith("calls="):
                pending_call = True
            elif line[:1].isdigit() or line[:1] in "+-*":
                fields = line.split()
                cost = int(fields[1]) if len(fields) > 1 else 0
                if pending_call:
                    edges[(current, callee)] += cost
                    pending_call = False
                else:
                    own[current] += cost
    return names, own, edges


def callers_first(functions, callees, inclusive):
    """Every function after all its callers; a cycle of calls is entered at its costliest."""
    waiting = defaultdict(int)
    for f in functions:
        for callee, _ in callees[f]:
            waiting[callee] += 1
    ready = [f for f in functions if not waiting[f]]
    left = set(functions)
    while left:
        if not ready:
            ready = [max(left, key=lambda f: inclusive[f])]
        f = ready.pop()
        if f not in left:
            continue
        left.discard(f)
        yield f
        for callee, _ in callees[f]:
            waiting[callee] -= 1
            if waiting[callee] == 0 and callee in left:
                ready.append(callee)


def by_part(path):
    """Millions of instructions per part."""
    names, own, edges = read_profile(path)

    def start_of(function):
        return part_of(names.get(function, ""))

    incoming, callees = defaultdict(int), defaultdict(list)
    for (caller, callee), cost in edges.items():
        if caller != callee:
            incoming[callee] += cost
            callees[caller].append((callee, cost))
    functions = set(own) | set(incoming) | set(callees)
    inclusive = {f: own[f] + sum(c for _, c in callees[f]) for f in functions}
    callers = defaultdict(list)
    for f in functions:
        for callee, cost in callees[f]:
            callers[callee].append((f, cost))
    order = list(callers_first(functions, callees, inclusive))
    shares = {f: {start_of(f) or REST: 1.0} for f in functions if not incoming[f]}
    # A function's share of each part is its callers' shares, weighted by what each call cost
    # and begun afresh at a part's first function. Calls that go round in a cycle need a few
    # passes to settle.
    for _ in range(8):
        for f in order:
            if not incoming[f]:
                continue
            mixed = defaultdict(float)
            start = start_of(f)
            for caller, cost in callers[f]:
                for part, share in shares.get(caller, {}).items():
                    mixed[start or part] += share * cost / incoming[f]
            shares[f] = mixed
    totals, detail = defaultdict(float), defaultdict(float)
    for f in functions:
        for part, share in shares.get(f, {}).items():
            totals[part] += own[f] * share / 1e6
            if part == DETAIL:
                detail[names.get(f, f).split("'")[0]] += own[f] * share / 1e6
    for name, cost in sorted(detail.items(), key=lambda item: -item[1])[:25]:
        print(f"{cost:8.2f}  {name[:110]}", file=sys.stderr)
    return totals


def main(paths):
    columns = [by_part(p) for p in paths]
    order = [REST] + [name for name, _ in PARTS]
    print("%-26s" % "part" + "".join("%12s" % f"[{i + 1}]" for i in range(len(paths))))
    for part in order:
        if any(round(c.get(part, 0), 1) for c in columns):
            print("%-26s" % part + "".join("%12.1f" % c.get(part, 0) for c in columns))
    print("%-26s" % "total" + "".join("%12.1f" % sum(c.values()) for c in columns))
    for i, p in enumerate(paths):
        print(f"[{i + 1}] {p}")


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    main(sys.argv[1:])
