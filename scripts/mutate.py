# SPDX-License-Identifier: MIT
"""Mutation run of the core library: plants each listed fault alone in a scratch copy of the
tree, rebuilds what changed, runs the core tests and says whether they noticed.

Started through scripts/mutate.sh; see the top of scripts/mutants.txt for the list's format.
"""

import argparse
import dataclasses
import filecmp
import os
import shutil
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# The core test executables, each with the source folders whose faults it is most likely to
# see first; the rest run after it.
CORE_TESTS = ["text_tests", "store_tests", "platform_tests", "session_tests", "draftconfig_tests",
              "valuation_tests", "room_tests", "online_tests", "projections_tests", "advice_tests",
              "hscores_tests", "practice_tests", "cli_tests"]
FIRST_SUITE = {"text": "text_tests", "store": "store_tests", "platform": "platform_tests",
               "session": "session_tests", "vocabulary": "room_tests", "model": "room_tests",
               "draftconfig": "draftconfig_tests", "valuation": "valuation_tests",
               "room": "room_tests", "online": "online_tests", "projections": "projections_tests",
               "advice": "advice_tests", "teamadvice": "advice_tests",
               "hscores": "hscores_tests", "practice": "practice_tests"}
# The scratch build leaves the desktop program out, so the tests that start it cannot run.
SKIPPED_TESTS = {"cli_tests": "-ChartCommand.*:ProgramFiles.*"}
TEST_TIMEOUT_SECONDS = 600

KEYS = ("file", "original", "replacement", "breaks", "equivalent")


@dataclasses.dataclass
class Mutant:
    number: int
    listed_at: int  # line of the list where the record starts
    path: str = ""
    line: int = 0
    original: str = ""
    replacement: str = ""
    breaks: str = ""
    equivalent: str = ""

    @property
    def subsystem(self) -> str:
        parts = Path(self.path).parts
        return parts[2] if len(parts) > 3 and parts[:2] == ("src", "core") else parts[0]

    @property
    def label(self) -> str:
        return f"#{self.number:02d} {self.path}:{self.line}"


def read_list(list_path: Path) -> list:
    """Records are blocks of 'key: value' lines; blank lines separate them, '#' starts a
    comment line. The value is everything after the key's colon and one space."""
    mutants = []
    current = None
    for number, raw in enumerate(list_path.read_text(encoding="utf-8").splitlines(), 1):
        line = raw.rstrip()
        if not line:
            current = None
            continue
        if line.startswith("#"):
            continue
        key, sep, value = line.partition(":")
        key = key.strip()
        if not sep or key not in KEYS:
            sys.exit(f"{list_path}:{number}: expected one of {', '.join(KEYS)} followed by ':'")
        value = value[1:] if value.startswith(" ") else value
        if current is None:
            current = Mutant(number=len(mutants) + 1, listed_at=number)
            mutants.append(current)
        if key == "file":
            path, _, hint = value.strip().rpartition(":")
            if not path or not hint.isdigit():
                sys.exit(f"{list_path}:{number}: file is PATH:LINE")
            current.path, current.line = path, int(hint)
        else:
            setattr(current, key, value)
    for mutant in mutants:
        for key in ("path", "original", "replacement", "breaks"):
            if not getattr(mutant, key):
                sys.exit(f"{list_path}:{mutant.listed_at}: the mutant has no {key}")
        if mutant.original == mutant.replacement:
            sys.exit(f"{list_path}:{mutant.listed_at}: the replacement equals the original")
    return mutants


def locate(mutant: Mutant, text: str):
    """The line index that holds the original text, the one nearest the hinted line when it
    stands on several; None when the text is gone (a stale mutant)."""
    lines = text.split("\n")
    found = [i for i, line in enumerate(lines) if mutant.original in line]
    if not found:
        return None
    return min(found, key=lambda i: (abs(i + 1 - mutant.line), i))


def mutated_text(mutant: Mutant, text: str):
    index = locate(mutant, text)
    if index is None:
        return None, None
    lines = text.split("\n")
    lines[index] = lines[index].replace(mutant.original, mutant.replacement, 1)
    return "\n".join(lines), index + 1


def source_files(source_root: Path) -> list:
    """The files of the tree under test: the working tree's tracked and new files (not the
    ignored ones), or every file of a commit unpacked by --at."""
    if source_root != ROOT:
        return [str(p.relative_to(source_root)) for p in source_root.rglob("*") if p.is_file()]
    listed = subprocess.run(
        ["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=ROOT,
        check=True, capture_output=True).stdout.decode().split("\0")
    return list(filter(None, listed))


def unpack_commit(revision: str, into: Path) -> None:
    """Unpacks a commit's files afresh, so a run can measure the tests as they stood then."""
    shutil.rmtree(into, ignore_errors=True)
    into.mkdir(parents=True)
    archive = subprocess.run(["git", "archive", revision], cwd=ROOT, check=True,
                             capture_output=True).stdout
    subprocess.run(["tar", "-x", "-C", str(into)], input=archive, check=True)


def sync_tree(source_root: Path, tree: Path) -> None:
    """Copies the files under test into the scratch tree. Only files whose content differs are
    written, so the build recompiles only what changed; a written file gets a fresh time
    stamp, which also undoes a mutant left by a stopped run."""
    wanted = set()
    for name in source_files(source_root):
        source = source_root / name
        if not source.is_file():
            continue
        wanted.add(name)
        target = tree / name
        if target.is_file() and filecmp.cmp(source, target, shallow=False):
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(source, target)
    for path in tree.rglob("*"):
        if path.is_file() and str(path.relative_to(tree)) not in wanted:
            path.unlink()


def restore(source_root: Path, tree: Path, mutant: Mutant) -> None:
    target = tree / mutant.path
    shutil.copyfile(source_root / mutant.path, target)
    os.utime(target)  # newer than the mutated object, so the next build compiles it again


def configure(tree: Path, build: Path, log) -> bool:
    if (build / "build.ninja").exists():
        return True
    generator = ["-G", "Ninja"] if shutil.which("ninja") else []
    return subprocess.run(
        ["cmake", "-S", str(tree), "-B", str(build), *generator, "-DCMAKE_BUILD_TYPE=Debug",
         "-DQUORVANE_BUILD_GUI=OFF", "-DQUORVANE_BUILD_BENCH=OFF", "-DQUORVANE_WERROR=OFF",
         "-DQUORVANE_SANITIZE=OFF"], stdout=log, stderr=subprocess.STDOUT).returncode == 0


def build(build_dir: Path, jobs: int, log, targets=None) -> bool:
    # Paths relative to the scratch folder let the compiler cache serve a mutant again, in this
    # scratch folder or another, rather than compile it afresh.
    environment = dict(os.environ, CCACHE_BASEDIR=str(build_dir.parent), CCACHE_NOHASHDIR="1")
    return subprocess.run(
        ["cmake", "--build", str(build_dir), f"-j{jobs}", "--target", *(targets or CORE_TESTS)],
        env=environment, stdout=log, stderr=subprocess.STDOUT).returncode == 0


def suites_for(mutant) -> list:
    first = FIRST_SUITE.get(mutant.subsystem) if mutant else None
    return ([first] if first else []) + [s for s in CORE_TESTS if s != first]


def run_tests(build_dir: Path, mutant, jobs: int, log) -> str:
    """'passed', 'build failed', or the first suite that failed (or ran out of time). Each
    suite is linked just before it runs, so a mutant its first suite kills costs one link."""
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for suite in suites_for(mutant):
        if not build(build_dir, jobs, log, [suite]):
            return "build failed"
        executable = build_dir / "tests" / suite.removesuffix("_tests") / suite
        try:
            arguments = [str(executable), "--gtest_brief=1", "--gtest_fail_fast"]
            if suite in SKIPPED_TESTS:
                arguments.append(f"--gtest_filter={SKIPPED_TESTS[suite]}")
            result = subprocess.run(arguments,
                                    cwd=executable.parent, env=environment, stdout=log,
                                    stderr=subprocess.STDOUT, timeout=TEST_TIMEOUT_SECONDS)
        except subprocess.TimeoutExpired:
            return f"{suite} (timed out)"
        if result.returncode != 0:
            return suite
    return "passed"


def percent(part: int, whole: int) -> str:
    return f"{100.0 * part / whole:.0f}%" if whole else "-"


def print_summary(results: list) -> None:
    print("\nKill rate (killed of the mutants that built; equivalent survivors listed apart)")
    groups = {}
    for mutant, fate in results:
        groups.setdefault(mutant.subsystem, []).append((mutant, fate))
    groups["all"] = results
    for name, group in groups.items():
        counted = [(m, f) for m, f in group if f in ("killed", "survived")]
        killed = sum(1 for _, f in counted if f == "killed")
        equivalent = sum(1 for m, f in counted if f == "survived" and m.equivalent)
        other = len(group) - len(counted)
        print(f"  {name:<12} {killed:>3} of {len(counted):>3} killed  {percent(killed, len(counted)):>4}"
              f"   equivalent survivors {equivalent}   stale or not built {other}")
    survivors = [m for m, f in results if f == "survived" and not m.equivalent]
    if survivors:
        print("\nSurvivors not judged equivalent:")
        for mutant in survivors:
            print(f"  {mutant.label}  {mutant.breaks}")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", type=Path, default=ROOT / "scripts" / "mutants.txt",
                        help="the mutant list (default scripts/mutants.txt)")
    parser.add_argument("--scratch", type=Path,
                        default=Path(os.environ.get("TMPDIR", "/tmp")) / "quorvane-mutate",
                        help="where the scratch tree and its build live")
    parser.add_argument("--only", default="",
                        help="run only mutants whose file path contains this text")
    parser.add_argument("--check", action="store_true",
                        help="only check that every mutant's original text is still found")
    parser.add_argument("--at", metavar="REV", default="",
                        help="test the tree of this commit instead of the working tree (say, "
                             "to measure the kill rate before new tests)")
    parser.add_argument("-j", "--jobs", type=int, default=os.cpu_count() or 2)
    args = parser.parse_args()

    mutants = [m for m in read_list(args.list) if args.only in m.path]
    source_root = ROOT
    if args.at:
        source_root = args.scratch / "source"
        unpack_commit(args.at, source_root)
    stale = []
    for mutant in mutants:
        source = source_root / mutant.path
        text = source.read_text(encoding="utf-8") if source.is_file() else ""
        if locate(mutant, text) is None:
            stale.append(mutant)
    if args.check:
        for mutant in stale:
            print(f"{mutant.label}  stale: \"{mutant.original}\" not found")
        print(f"{len(mutants) - len(stale)} of {len(mutants)} mutants found in the sources")
        return 1 if stale else 0

    tree, build_dir = args.scratch / "tree", args.scratch / "build"
    tree.mkdir(parents=True, exist_ok=True)
    log_path = args.scratch / "mutate.log"
    print(f"Scratch tree {tree}; build and test output in {log_path}")
    with open(log_path, "w", encoding="utf-8") as log:
        sync_tree(source_root, tree)
        log.write("== unmutated tree\n")
        log.flush()
        if not configure(tree, build_dir, log) or not build(build_dir, args.jobs, log):
            print("The unmutated tree does not build; see the log.")
            return 2
        started = time.monotonic()
        if run_tests(build_dir, None, args.jobs, log) != "passed":
            print("The core tests fail on the unmutated tree; a mutation run needs them green.")
            return 2
        print(f"Unmutated tree: core tests pass in {time.monotonic() - started:.0f} s\n")

        results = []
        for mutant in mutants:
            if mutant in stale:
                fate, detail = "stale", f"\"{mutant.original}\" not found"
            else:
                target = tree / mutant.path
                text, line = mutated_text(mutant, target.read_text(encoding="utf-8"))
                target.write_text(text, encoding="utf-8")
                log.write(f"\n== {mutant.label} (applied at line {line})\n")
                log.flush()
                outcome = run_tests(build_dir, mutant, args.jobs, log)
                if outcome == "build failed":
                    fate, detail = outcome, ""
                else:
                    fate = "survived" if outcome == "passed" else "killed"
                    detail = "" if outcome == "passed" else f"by {outcome}"
                restore(source_root, tree, mutant)
                if line != mutant.line:
                    detail += f" (found at line {line})"
            if fate == "survived" and mutant.equivalent:
                detail = "equivalent: " + mutant.equivalent
            results.append((mutant, fate))
            print(f"{mutant.label:<58} {fate:<12} {detail}".rstrip(), flush=True)
            if fate == "survived" and not mutant.equivalent:
                print(f"{'':<4}breaks: {mutant.breaks}", flush=True)
    print_summary(results)
    return 0


if __name__ == "__main__":
    sys.exit(main())
