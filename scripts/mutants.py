#!/usr/bin/env python3
"""Seeds random faults into the lines changed since a commit and tells which the tests catch.

    scripts/mutants.sh BASE [N]        N faults (default 30) in src/ lines changed since BASE
    options: --seed S (default 1), --only PATH (repeatable: files or folders under src/),
             --list (print the first N candidate faults and stop)

Each fault is one rule applied once, in the manner of rule-based mutators: a comparison
flipped (< <=, > >=, == !=), && and || swapped, a constant moved by one, a condition negated,
two arguments of a call swapped, an enum value replaced by another of its type, a statement
or a case label dropped. Faults are drawn from a fixed seed, so a run can be repeated.

The faults are built in a scratch copy (build/mutants/tree, build folder build/mutants/build,
no sanitizers so a build is quick), incrementally. A fault is caught when a test that its
layer can reach fails or times out; the tests that name the changed file run first. Faults
that do not compile are skipped, counted apart, and replaced by the next draw.
"""

import argparse
import json
import os
import random
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
WORK = ROOT / "build" / "mutants"
TREE = WORK / "tree"
BUILD = WORK / "build"
LAYERS = ["base", "settings", "grid", "results", "search", "export", "platform", "ui", "app", "cli"]

# --- the changed lines ------------------------------------------------------------------------


def changed_lines(base, only):
    """{path relative to ROOT: set of line numbers} of src/ C++ lines added or changed since base."""
    out = subprocess.run(["git", "diff", "-U0", "--no-color", base, "--", "src"], cwd=ROOT,
                         check=True, capture_output=True, text=True, errors="replace").stdout
    result, path = {}, None
    for line in out.splitlines():
        if line.startswith("+++ "):
            path = line[6:] if line.startswith("+++ b/") else None
            if path and not re.search(r"\.(cpp|h)$", path):
                path = None
            if path and only and not any(path == o or path.startswith(o.rstrip("/") + "/") for o in only):
                path = None
        elif line.startswith("@@") and path:
            m = re.match(r"@@ -\S+ \+(\d+)(?:,(\d+))? @@", line)
            start, count = int(m.group(1)), int(m.group(2) or "1")
            result.setdefault(path, set()).update(range(start, start + count))
    return {p: ls for p, ls in result.items() if ls}


# --- a small C++ lexer: enough to tell code from comments, strings and directives -------------

TOKEN = re.compile(r"""
    (?P<ws>[ \t\r\f\v]+) | (?P<nl>\n) |
    (?P<comment>//[^\n]*|/\*.*?\*/) |
    (?P<string>(?:u8|u|U|L)?R"(?P<delim>[^(\s]*)\(.*?\)(?P=delim)"|(?:u8|u|U|L)?"(?:\\.|[^"\\\n])*") |
    (?P<char>(?:u8|u|U|L)?'(?:\\.|[^'\\\n])+') |
    (?P<number>(?:0[xX][0-9a-fA-F']+|0[bB][01']+|\d[\d']*\.?[\d']*(?:[eE][+-]?\d+)?|\.\d+(?:[eE][+-]?\d+)?)[uUlLfF]*) |
    (?P<ident>[A-Za-z_]\w*) |
    (?P<op><=>|<<=|>>=|->\*|\.\.\.|::|->|\+\+|--|<<|>>|<=|>=|==|!=|&&|\|\||[-+*/%&|^!~=<>?:;,.(){}\[\]#]=?)
""", re.X | re.S)


class Tok:
    __slots__ = ("kind", "text", "line", "start", "end")

    def __init__(self, kind, text, line, start, end):
        self.kind, self.text, self.line, self.start, self.end = kind, text, line, start, end


def lex(source):
    """Code tokens with their line numbers and offsets; preprocessor lines are left out."""
    tokens, pos, line, line_start_code = [], 0, 1, True
    directive = False
    while pos < len(source):
        m = TOKEN.match(source, pos)
        if not m:
            pos += 1
            continue
        kind, text = m.lastgroup, m.group(0)
        if kind in ("string",) and m.group("delim") is not None:
            kind = "string"
        if kind == "nl":
            if not source[:pos].endswith("\\"):
                directive = False
            line_start_code = True
        elif kind == "ws":
            pass
        else:
            if line_start_code and text.startswith("#"):
                directive = True
            line_start_code = False
            if kind != "comment" and not directive:
                tokens.append(Tok(kind, text, line, m.start(), m.end()))
        line += text.count("\n")
        pos = m.end()
    return tokens


# --- the rules --------------------------------------------------------------------------------

FLIP = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
TYPE_WORDS = {"const", "unsigned", "signed", "int", "long", "short", "char", "bool", "double",
              "float", "auto", "void", "typename", "struct", "class", "volatile", "constexpr"}
NOT_CALLS = {"if", "while", "for", "switch", "return", "sizeof", "alignof", "decltype", "catch",
             "static_assert", "noexcept", "Q_ASSERT", "Q_UNUSED", "qDebug", "qWarning", "defined"}


def is_template_angle(tokens, i):
    """Whether the < at i opens a template argument list (closed on the same line by a >)."""
    depth, j = 0, i
    while j < len(tokens) and tokens[j].line == tokens[i].line:
        t = tokens[j]
        if t.text == "<":
            depth += 1
        elif t.text == ">":
            depth -= 1
            if depth == 0:
                return True
        elif t.text == ">>":
            depth -= 2
            if depth <= 0:
                return True
        elif not (t.kind in ("ident", "number") or t.text in ("::", ",", "*", "&", "(", ")")):
            return False
        j += 1
    return False


def closing_angle(tokens, i):
    """Whether the > at i closes a template argument list opened on its line."""
    for j in range(i - 1, -1, -1):
        t = tokens[j]
        if t.line != tokens[i].line:
            return False
        if t.text == "<":
            return is_template_angle(tokens, j)
        if not (t.kind in ("ident", "number") or t.text in ("::", ",", "*", "&", "&&", ">", "(", ")")):
            return False
    return False


def matching(tokens, i, open_, close):
    depth = 0
    for j in range(i, len(tokens)):
        if tokens[j].text == open_:
            depth += 1
        elif tokens[j].text == close:
            depth -= 1
            if depth == 0:
                return j
    return None


def move_number(text):
    """The literal moved by one: integers by one, decimals by one in their last digit."""
    m = re.match(r"^(\d+)(\.?)(\d*)([uUlLfF]*)$", text.replace("'", ""))
    if not m or text.startswith("0") and len(text) > 1 and "." not in text:
        return []
    whole, dot, frac, suffix = m.groups()
    if dot and frac:
        scale = 10 ** len(frac)
        value = int(whole) * scale + int(frac)
        fmt = lambda v: f"{v // scale}.{v % scale:0{len(frac)}d}{suffix}"
        return [fmt(value + 1)] + ([fmt(value - 1)] if value > 0 else [])
    value = int(whole)
    return [f"{value + 1}{dot}{suffix}"] + ([f"{value - 1}{dot}{suffix}"] if value > 0 else [])


def candidates_in(path, source, lines, enum_values):
    """Every fault the rules can make on the given lines: (line, rule, start, end, replacement)."""
    toks = lex(source)
    out = []

    def add(line, rule, start, end, new):
        if line in lines:
            out.append((line, rule, start, end, new))

    for i, t in enumerate(toks):
        prev = toks[i - 1] if i else None
        nxt = toks[i + 1] if i + 1 < len(toks) else None
        if t.kind == "op" and t.text in FLIP:
            if t.text == "<" and is_template_angle(toks, i):
                continue
            if t.text == ">" and closing_angle(toks, i):
                continue
            if prev is not None and prev.text == "operator":
                continue
            add(t.line, "comparison", t.start, t.end, FLIP[t.text])
        elif t.kind == "op" and t.text in ("&&", "||"):
            if prev is not None and (prev.kind == "ident" and prev.text in TYPE_WORDS or prev.text in (">", "(", ",")):
                continue  # an rvalue reference, not a logical operator
            add(t.line, "logic", t.start, t.end, "||" if t.text == "&&" else "&&")
        elif t.kind == "number":
            for new in move_number(t.text):
                add(t.line, "constant", t.start, t.end, new)
        elif t.kind == "ident" and t.text in ("if", "while") and nxt is not None and nxt.text == "(":
            close = matching(toks, i + 1, "(", ")")
            if close is not None:
                inner = source[toks[i + 2].start:toks[close - 1].end]
                add(t.line, "negate", toks[i + 2].start, toks[close - 1].end, f"!({inner})")
        elif (t.kind == "ident" and t.text not in NOT_CALLS and nxt is not None and nxt.text == "("
              and (prev is None or prev.text not in ("class", "struct", "enum", "#", "~"))):
            close = matching(toks, i + 1, "(", ")")
            if close is None or toks[close].line != t.line:
                continue
            args, depth, begin = [], 0, i + 2
            for j in range(i + 2, close + 1):
                x = toks[j]
                if x.text in ("(", "[", "{"):
                    depth += 1
                elif x.text in (")", "]", "}"):
                    if depth == 0 and j == close:
                        args.append((begin, j - 1))
                    depth -= 1
                elif x.text == "," and depth == 0:
                    args.append((begin, j - 1))
                    begin = j + 1
            args = [a for a in args if a[0] <= a[1]]
            declares = any(toks[a].kind == "ident" and toks[a + 1].kind == "ident"
                           or toks[a].kind == "ident" and toks[a + 1].text in ("&", "*", "&&")
                           and toks[a + 2].kind == "ident"
                           for a0, a1 in args for a in range(a0, a1))
            if len(args) >= 2 and not declares:
                (a0, a1), (b0, b1) = args[0], args[1]
                first = source[toks[a0].start:toks[a1].end]
                second = source[toks[b0].start:toks[b1].end]
                if first != second and "[" not in first + second and "{" not in first + second:
                    add(t.line, "arguments", toks[a0].start, toks[b1].end,
                        second + source[toks[a1].end:toks[b0].start] + first)
        elif (t.kind == "ident" and prev is not None and prev.text == "::" and i >= 2
              and toks[i - 2].kind == "ident"):
            siblings = enum_values.get(toks[i - 2].text)
            if siblings is None or t.text not in siblings:
                owners = [v for v in enum_values.values() if t.text in v]
                siblings = owners[0] if len(owners) == 1 else ()
            for other in sorted(siblings):
                if other != t.text:
                    add(t.line, "enum", t.start, t.end, other)

    # Whole statements and case labels, line by line.
    by_line = {}
    for t in toks:
        by_line.setdefault(t.line, []).append(t)
    for line, ts in by_line.items():
        if line not in lines or not ts:
            continue
        if path.endswith(".h") and ts[0].text != "case":
            continue  # a header's statements are mostly declarations
        if ts[0].text == "case":
            colon = next((k for k, x in enumerate(ts) if x.text == ":" ), None)
            if colon is None:
                continue
            rest = ts[colon + 1:]
            previous = by_line.get(max((l for l in by_line if l < line), default=-1), [])
            if not rest or rest[0].text == "case" or (previous and previous[-1].text == ":"):
                add(line, "case", ts[0].start, ts[colon].end, "")
            continue
        if ts[-1].text != ";" or ts[0].text in ("return", "using", "typedef", "namespace", "}", "{",
                                                  "static_assert", "template", "friend", "public",
                                                  "private", "protected", "enum", "struct", "class"):
            continue
        if any(x.text in ("{", "}") for x in ts):
            continue
        first_two = [x for x in ts[:2]]
        if (len(first_two) == 2 and first_two[0].kind == "ident" and first_two[1].kind == "ident"
                or first_two[0].text in TYPE_WORDS or first_two[0].text == "std"
                or len(ts) > 2 and ts[0].kind == "ident" and ts[1].text in ("*", "&", "<")
                and ts[2].kind == "ident"):
            continue  # a declaration: dropping it does not compile
        # One statement only: the line must begin one (the line before ends one or a block).
        previous = by_line.get(max((l for l in by_line if l < line), default=-1), [])
        if previous and previous[-1].text not in (";", "{", "}", ":", ")"):
            continue
        if previous and previous[-1].text == ")" and previous[0].text not in ("if", "for", "while", "else", "}"):
            continue
        add(line, "statement", ts[0].start, ts[-1].end, ";")
    return out


def enum_values_of(root):
    """The values of every enum declared in src/, by the enum's name."""
    values = {}
    for path in (root / "src").rglob("*"):
        if path.suffix in (".cpp", ".h"):
            text = path.read_text(errors="replace")
            for m in re.finditer(r"\b(enum\s+(?:class\s+)?(\w+)\s*(?::\s*[\w:]+\s*)?\{([^}]*)\})", text):
                names = [re.match(r"\s*(\w+)", part).group(1) for part in m.group(3).split(",")
                         if re.match(r"\s*\w+", part)]
                values.setdefault(m.group(2), set()).update(n for n in names if n[:1].isupper())
    return {k: v for k, v in values.items() if len(v) > 1}


# --- the scratch copy and its build -----------------------------------------------------------


def sync_tree():
    files = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT,
                           check=True, capture_output=True).stdout.decode().split("\0")
    wanted = set()
    for name in filter(None, files):
        src, dst = ROOT / name, TREE / name
        if not src.is_file():
            continue
        wanted.add(dst)
        data = src.read_bytes()
        if not dst.exists() or dst.read_bytes() != data:
            dst.parent.mkdir(parents=True, exist_ok=True)
            dst.write_bytes(data)
            shutil.copymode(src, dst)
    for folder in ("src", "tests", "bench", "fuzz"):
        for path in (TREE / folder).rglob("*") if (TREE / folder).exists() else []:
            if path.is_file() and path not in wanted:
                path.unlink()
    shared = ROOT.parent / "shared"
    if shared.exists() and not (WORK / "shared").exists():
        (WORK / "shared").symlink_to(shared)


def configure():
    if not (BUILD / "build.ninja").exists():
        subprocess.run(["cmake", "-S", str(TREE), "-B", str(BUILD), "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O1",
                        "-DBRIMFOLD_BENCH=OFF", "-DBRIMFOLD_SANITIZE=OFF"],
                       check=True, stdout=subprocess.DEVNULL)


def build(targets=None):
    """Builds the targets (everything without); returns (ok, output)."""
    # Test and build output may hold file names that are not UTF-8.
    run = subprocess.run(["cmake", "--build", str(BUILD), "--parallel", str(os.cpu_count() or 2)]
                         + (["--target", *targets] if targets else []),
                         capture_output=True, text=True, errors="replace")
    return run.returncode == 0, run.stdout + run.stderr


def test_targets():
    """{target: (layer, source text)} of every test executable."""
    found = {}
    for layer in LAYERS + ["fuzz"]:
        for path in sorted((TREE / "tests" / layer).glob("*_test.cpp")):
            extra = path.with_suffix(".cmake")
            text = path.read_text(errors="replace") + (extra.read_text() if extra.exists() else "")
            found[path.stem] = (layer, text)
    return found


def run_tests(targets, tests, timeouts, stop_on_failure=True):
    """Runs the tests of the targets in order; returns the first that fails, else None."""
    for target in targets:
        layer = tests[target][0]
        run = subprocess.run(["ctest", "--test-dir", str(BUILD), "-R", f"^{layer}/{target}(_.*)?$",
                              "--timeout", str(timeouts.get(target, 120)), "--output-on-failure"],
                             capture_output=True, text=True, errors="replace",
                             env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        # A test killed on time-out can leave the programs it started (a
        # mutant may keep them spinning): none outlives its test.
        subprocess.run(["pkill", "-KILL", "-f", str(BUILD / "tests") + "/"], stdout=subprocess.DEVNULL)
        if run.returncode != 0:
            return target + (" (timed out)" if "Timeout" in run.stdout else "")
    return None


def reachable(path, tests):
    """The test targets a fault in path can reach, those naming its file first."""
    parts = Path(path).parts
    layer = parts[1] if len(parts) > 2 else "app"
    if layer not in LAYERS:
        layer = "base"
    # The command-line counter sits beside the window's layers: it reaches none of them.
    low = LAYERS.index(layer)
    stem = Path(path).stem
    names = [t for t, (l, _) in tests.items()
             if l == "fuzz" or (l in LAYERS and LAYERS.index(l) >= low
                                and not (layer == "cli" and l != "cli"))]
    first = [t for t in names if re.search(rf"\b{re.escape(stem)}\b", tests[t][1])]
    same = [t for t in names if t not in first and tests[t][0] == layer]
    return first + same, [t for t in names if t not in first and t not in same]


# --- the run ----------------------------------------------------------------------------------


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("base")
    parser.add_argument("count", nargs="?", type=int, default=30)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--only", action="append", default=[])
    parser.add_argument("--list", action="store_true")
    args = parser.parse_args()

    lines = changed_lines(args.base, args.only)
    enums = enum_values_of(ROOT)
    sources = {path: (ROOT / path).read_text() for path in lines}
    # A place and a rule are drawn first, then one of the rule's replacements there, so a
    # place with many replacements (an enum value) is drawn no more often than another.
    sites = {}
    for path in sorted(lines):
        for line, rule, start, end, new in candidates_in(path, sources[path], lines[path], enums):
            sites.setdefault((path, line, rule, start, end), []).append(new)
    rng = random.Random(args.seed)
    pool = [key + (rng.choice(news),) for key, news in sites.items()]
    rng.shuffle(pool)
    print(f"{sum(len(v) for v in lines.values())} changed lines in {len(lines)} files since "
          f"{args.base}; {len(pool)} places for a fault; seed {args.seed}", flush=True)
    if args.list:
        for path, line, rule, start, end, new in pool[:args.count]:
            print(f"{path}:{line} {rule}: {describe(sources[path], start, end, new)}")
        return 0

    WORK.mkdir(parents=True, exist_ok=True)
    sync_tree()
    for path, text in sources.items():  # the tree as it was read, whatever changes meanwhile
        (TREE / path).write_text(text)
    configure()
    tests = test_targets()
    print("building the scratch copy ...", flush=True)
    ok, output = build()  # everything: the install test installs the whole build
    if not ok:
        print(output[-3000:])
        print("the unchanged scratch copy does not build", file=sys.stderr)
        return 2
    # Every test once on the unchanged code: it must pass, and its time sets its time-out.
    timeouts, broken = {}, []
    for target in tests:
        began = time.monotonic()
        if run_tests([target], tests, {target: 600}):
            broken.append(target)
        timeouts[target] = int(max(30, 5 * (time.monotonic() - began)))
    for target in broken:
        print(f"left out: {target} fails without any fault", flush=True)
        del tests[target]

    caught, survivors, uncompiled, results = 0, [], 0, []
    for path, line, rule, start, end, new in pool:
        if caught + len(survivors) >= args.count:
            break
        original = sources[path]
        mutated = original[:start] + new + original[end:]
        what = f"{path}:{line} {rule}: {describe(original, start, end, new)}"
        (TREE / path).write_text(mutated)
        try:
            first, rest = reachable(path, tests)
            ok, output = build(first or rest[:1])
            if not ok:
                uncompiled += 1
                print(f"  no compile  {what}", flush=True)
                continue
            by = run_tests(first, tests, timeouts)
            if by is None:
                ok, output = build(rest)
                by = run_tests(rest, tests, timeouts) if ok else "(the build of its other tests)"
            number = caught + len(survivors) + 1
            if by:
                caught += 1
                print(f"{number:3d} caught by {by:28s} {what}", flush=True)
            else:
                survivors.append(what)
                print(f"{number:3d} SURVIVED {'':27s} {what}", flush=True)
            results.append({"fault": what, "caught_by": by})
        finally:
            (TREE / path).write_text(original)

    total = caught + len(survivors)
    print()
    print(f"caught {caught} / {total}" + (f" ({100 * caught / total:.0f} %)" if total else "")
          + f"; {uncompiled} did not compile (not counted)")
    for what in survivors:
        print(f"  survived: {what}")
    (WORK / "last-run.json").write_text(json.dumps(
        {"base": args.base, "seed": args.seed, "caught": caught, "total": total,
         "uncompiled": uncompiled, "results": results}, indent=1))
    return 0


def describe(source, start, end, new):
    line_start = source.rfind("\n", 0, start) + 1
    line_end = source.find("\n", end)
    before = source[line_start:line_end].strip()
    after = (source[line_start:start] + new + source[end:line_end]).strip()
    return f"{before!r} -> {after!r}"


if __name__ == "__main__":
    sys.exit(main())
