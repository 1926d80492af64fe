# SPDX-License-Identifier: GPL-3.0-or-later
"""Plants faults on the guard and boundary lines of the logic libraries and the teacher's tool,
rebuilds, runs the unit tests and lists the faults no test noticed (the survivors).

Faults planted (each mutant changes one place of one line):
  widen   a relational operator widened or narrowed: < <=, > >= (both ways)
  const   a number on a guard line or in a named constant moved (integers by one either way,
          other numbers halved or made 0)
  drop    one condition of a && or || dropped (the left or the right one)
  ignore  an if's condition evaluated and its result ignored (the guard removed, the checked
          call still made)

Guard lines are those with a relational operator, an if, a && or ||, or a constexpr number.
A line marked `// mutants: skip (<why>)` is left alone (for lines where a change cannot be
told apart from the original, e.g. a loop bound of a random name's length).

The file is always restored, on a failed build, a timeout, Ctrl-C or SIGTERM too; a backup
beside it (<file>.mutant-backup) restores it at the next start if the process was killed.
"""

import argparse
import json
import os
import random
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Folder -> the test binaries that link it (and so see a fault planted there).
LAYERS = {
    "src/session/": ["session_tests", "chemistry_tests", "export_tests", "forms_tests",
                     "tools_tests"],
    "src/chemistry/": ["chemistry_tests", "export_tests", "forms_tests", "tools_tests"],
    "src/export/": ["export_tests", "forms_tests", "tools_tests"],
    "src/forms/": ["forms_tests"],
    "tools/drevant-key/": ["tools_tests"],
}

RELATIONAL = re.compile(r"(?<=\s)(<=|>=|<|>)(?=\s)")
NUMBER = re.compile(r"(?<![\w.])(\d+\.\d*(?:[eE][-+]?\d+)?|\d+[eE][-+]?\d+|\d+)(?![\w.])")
LOGICAL = re.compile(r"\s(&&|\|\|)\s")
IF_START = re.compile(r"\bif \(")
CONSTEXPR_NUMBER = re.compile(r"\bconstexpr\b[^=]*=\s*[-\d.]")


def code_part(line):
    """The line with string and character literals blanked and a // comment cut, so that
    positions still match the original line."""
    out = []
    i = 0
    quote = None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(" " if c != quote else c)
            if c == quote:
                quote = None
        elif c in "\"'" and not (c == "'" and i > 0 and line[i - 1].isalnum()):
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)[: len(line)].ljust(len(line))


def operand_end(code, start):
    """Index where the operand starting at `start` ends (at depth 0: && || ) ; , ? or the
    end of the line)."""
    depth = 0
    i = start
    while i < len(code):
        c = code[i]
        if c in "([{":
            depth += 1
        elif c in ")]}":
            if depth == 0:
                return i
            depth -= 1
        elif depth == 0 and (code.startswith("&&", i) or code.startswith("||", i)
                             or c in ";,?"):
            return i
        i += 1
    return None  # runs on to the next line


def operand_start(code, end):
    """Index where the operand ending at `end` (exclusive) starts."""
    depth = 0
    i = end - 1
    while i >= 0:
        c = code[i]
        if c in ")]}":
            depth += 1
        elif c in "([{":
            if depth == 0:
                return i + 1
            depth -= 1
        elif depth == 0 and (code[i - 1:i + 1] in ("&&", "||") or c in ";,?="):
            if c == "=" and i > 0 and code[i - 1] in "<>!=":
                i -= 1
                continue
            return i + 1
        elif depth == 0 and code[: i + 1].endswith("return"):
            return i + 1
        i -= 1
    return None


def moved_numbers(text):
    if re.fullmatch(r"\d+", text):
        value = int(text)
        return [str(value + 1)] + ([str(value - 1)] if value > 0 else [])
    value = float(text)
    if value == 0:
        return ["1e-9"]
    return [repr(value / 2), "0.0"]


def mutants_of_line(path, number, line):
    code = code_part(line)
    stripped = code.strip()
    if not stripped or stripped.startswith("#") or "mutants: skip" in line:
        return []
    relational = list(RELATIONAL.finditer(code))
    logical = list(LOGICAL.finditer(code))
    is_if = IF_START.search(code)
    is_constant = CONSTEXPR_NUMBER.search(code)
    if not (relational or logical or is_if or is_constant):
        return []
    found = []

    def add(kind, start, end, replacement):
        found.append({"file": path, "line": number, "kind": kind,
                      "from": line[start:end].strip(), "to": replacement.strip(),
                      "start": start, "end": end, "replacement": replacement})

    swap = {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}
    for m in relational:
        add("widen", m.start(1), m.end(1), swap[m.group(1)])
    for m in NUMBER.finditer(code):
        # Array subscripts and indices on a guard line are not boundaries.
        if code[m.start() - 1:m.start()] == "[":
            continue
        for moved in moved_numbers(m.group(1)):
            add("const", m.start(1), m.end(1), moved)
    for m in logical:
        right_end = operand_end(code, m.end())
        left_start = operand_start(code, m.start())
        if right_end is not None:
            add("drop", m.start(), right_end, "")
        if left_start is not None:
            while left_start < m.start() and code[left_start] == " ":
                left_start += 1
            add("drop", left_start, m.end(), "")
    if is_if:
        open_at = is_if.end() - 1
        close_at = operand_end(code, open_at + 1)
        if close_at is not None and code[close_at] == ")":
            condition = line[open_at + 1:close_at]
            add("ignore", open_at + 1, close_at, "(void)(" + condition + "), false")
    return found


def source_files(pattern):
    files = []
    for folder in LAYERS:
        for name in sorted(os.listdir(os.path.join(ROOT, folder))):
            path = folder + name
            if name.endswith((".cpp", ".h")) and name != "main.cpp" and re.search(pattern, path):
                files.append(path)
    return files


def all_mutants(pattern):
    mutants = []
    for path in source_files(pattern):
        with open(os.path.join(ROOT, path), encoding="utf-8") as f:
            lines = f.read().split("\n")
        in_block_comment = False
        for index, line in enumerate(lines):
            if in_block_comment:
                if "*/" in line:
                    in_block_comment = False
                continue
            if line.strip().startswith("/*"):
                in_block_comment = "*/" not in line
                continue
            mutants.extend(mutants_of_line(path, index + 1, line))
    return mutants


class Restorer:
    """Puts a mutated file back, whatever ends the run."""

    def __init__(self):
        self.path = None
        self.original = None

    def plant(self, path, original, mutated):
        backup = path + ".mutant-backup"
        with open(backup, "wb") as f:
            f.write(original)
        self.path, self.original = path, original
        with open(path, "wb") as f:
            f.write(mutated)

    def restore(self):
        if self.path is None:
            return
        with open(self.path, "wb") as f:
            f.write(self.original)
        os.remove(self.path + ".mutant-backup")
        self.path = None


def restore_leftovers():
    for folder in LAYERS:
        for name in os.listdir(os.path.join(ROOT, folder)):
            if name.endswith(".mutant-backup"):
                backup = os.path.join(ROOT, folder, name)
                with open(backup, "rb") as f:
                    content = f.read()
                with open(backup[: -len(".mutant-backup")], "wb") as f:
                    f.write(content)
                os.remove(backup)
                print("restored", folder + name[: -len(".mutant-backup")], "from a killed run")


def unit_tests(build):
    """Per test binary, the names of its tests labelled unit (from ctest)."""
    out = subprocess.run(["ctest", "--test-dir", build, "-L", "unit", "-N",
                          "--show-only=json-v1"], capture_output=True, text=True, check=True)
    per_binary = {}
    for test in json.loads(out.stdout)["tests"]:
        command = test.get("command", [])
        binary = os.path.basename(command[0]) if command else ""
        filters = [a[len("--gtest_filter="):] for a in command if a.startswith("--gtest_filter=")]
        per_binary.setdefault(binary, []).extend(filters)
    return per_binary


def run(command, timeout, env=None):
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               env=env, start_new_session=True)
    try:
        return process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        return "timeout"
    except BaseException:  # Ctrl-C or SIGTERM: the build or test does not outlive the run
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        raise


def built_here(build, mutants):
    """Only the mutants of files this build compiles: a platform's own source for another
    system (e.g. a _windows.cpp on Linux) would always survive. Headers are always kept."""
    with open(os.path.join(build, "build.ninja"), encoding="utf-8") as f:
        ninja = f.read()
    return [m for m in mutants if m["file"].endswith(".h") or m["file"] in ninja]


def description(m):
    return f'{m["file"]}:{m["line"]}: {m["kind"]}: {m["from"]} -> {m["to"]}'


def binaries_for(path):
    for folder, binaries in LAYERS.items():
        if path.startswith(folder):
            return binaries
    return []


def tests_pass(build, binaries, tests, timeout):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for binary in binaries:
        names = tests.get(binary)
        if not names:
            continue
        exe = os.path.join(build, "tests", binary)
        result = run([exe, "--gtest_filter=" + ":".join(names), "--gtest_brief=1",
                      "--gtest_fail_fast"], timeout, env)
        if result != 0:
            return False, binary + (" (timeout)" if result == "timeout" else "")
    return True, None


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("-n", "--sample", type=int, default=50,
                        help="mutants to try, drawn at random (0: all)")
    parser.add_argument("-s", "--seed", type=int, default=1, help="random seed of the sample")
    parser.add_argument("-t", "--time-limit", type=float, default=1800,
                        help="seconds; no new mutant is started after that")
    parser.add_argument("-f", "--filter", default="",
                        help="regular expression on the file paths, e.g. 'src/forms|samplekey'")
    parser.add_argument("-k", "--kind", default="", help="only these kinds, e.g. 'widen|drop'")
    parser.add_argument("-w", "--where", default="",
                        help="regular expression on the whole mutant as --list prints it, "
                             "e.g. to try the survivors of a run again")
    parser.add_argument("-b", "--build-dir", default=os.path.join(ROOT, "build-mutants"))
    parser.add_argument("--list", action="store_true", help="list the mutants, run nothing")
    parser.add_argument("--test-timeout", type=float, default=120,
                        help="seconds per test binary; a mutant that runs longer is killed")
    args = parser.parse_args()

    restore_leftovers()
    mutants = [m for m in all_mutants(args.filter)
               if re.search(args.kind, m["kind"]) and re.search(args.where, description(m))]
    build = args.build_dir
    # The mutants preset (RelWithDebInfo, no benchmarks, ccache when installed); configured
    # again each time, so that build.ninja lists the sources as they are now.
    configure = ["cmake", "-B", build]
    if not os.path.exists(os.path.join(build, "CMakeCache.txt")):
        configure = ["cmake", "--preset", "mutants", "-B", build]
    subprocess.run(configure, cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    mutants = built_here(build, mutants)
    if args.list:
        for m in mutants:
            print(description(m))
        print(len(mutants), "mutants")
        return 0
    chosen = mutants
    if 0 < args.sample < len(mutants):
        chosen = random.Random(args.seed).sample(mutants, args.sample)
    targets = sorted({b for bs in LAYERS.values() for b in bs})
    subprocess.run(["cmake", "--build", build, "--target"] + targets, check=True,
                   stdout=subprocess.DEVNULL)
    tests = unit_tests(build)
    ok, failing = tests_pass(build, targets, tests, args.test_timeout)
    if not ok:
        print("the unit tests fail without any mutant:", failing, file=sys.stderr)
        return 2

    restorer = Restorer()

    def stop(signum, frame):
        raise KeyboardInterrupt

    signal.signal(signal.SIGTERM, stop)
    started = time.monotonic()
    killed, survivors, stillborn, tried = 0, [], 0, 0
    try:
        for m in chosen:
            if time.monotonic() - started > args.time_limit:
                print("time limit reached")
                break
            full = os.path.join(ROOT, m["file"])
            with open(full, "rb") as f:
                original = f.read()
            lines = original.decode("utf-8").split("\n")
            line = lines[m["line"] - 1]
            lines[m["line"] - 1] = line[: m["start"]] + m["replacement"] + line[m["end"]:]
            where = description(m)
            try:
                restorer.plant(full, original, "\n".join(lines).encode("utf-8"))
                binaries = binaries_for(m["file"])
                built = run(["cmake", "--build", build, "--target"] + binaries, 600)
                if built != 0:
                    stillborn += 1
                    print("does not build:", where)
                    continue
                tried += 1
                ok, by = tests_pass(build, binaries, tests, args.test_timeout)
                if ok:
                    survivors.append(where)
                    print("SURVIVED:", where, flush=True)
                else:
                    killed += 1
                    print("killed by", by + ":", where, flush=True)
            finally:
                restorer.restore()
    except KeyboardInterrupt:
        print("interrupted")
    finally:
        restorer.restore()
        # Back to the unmutated binaries, so that the folder can be used as it is.
        run(["cmake", "--build", build, "--target"] + targets, 1200)

    rate = 100.0 * killed / tried if tried else 0.0
    print(f"\n{len(mutants)} mutants on the guard lines, {len(chosen)} drawn (seed {args.seed}); "
          f"{tried} built and run, {stillborn} did not build")
    print(f"killed {killed} of {tried} ({rate:.1f} %), {len(survivors)} survived, "
          f"{time.monotonic() - started:.0f} s")
    for s in survivors:
        print("  survivor", s)
    return 0 if not survivors else 1


if __name__ == "__main__":
    sys.exit(main())
