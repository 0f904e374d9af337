#!/usr/bin/env python3
"""Plants one-line faults, one at a time, and reports every fault the non-GUI tests do not catch.

Usage: scripts/mutants.py [--cap N] [--header-cap N] [--seed S] [--timeout SECONDS] [--list] [PATH ...]

PATH is a source file or a folder (engine/, worksheets/); without one, the C++ files of engine/,
worksheets/ and cli/ that this branch changed against main (committed or not). The tree is copied
into build-mutants/tree and built in build-mutants/build, so the working tree is never changed,
whatever happens to this run (Ctrl+C included). Each fault is one line changed:
  relop     a relational or logical operator turned into its neighbour (< into <=, == into !=, && into ||)
  constant  a number changed in its last digit (60 into 61, 0.045808f into 0.045809f)
  call      a statement that calls or assigns deleted
  row       two neighbouring table rows swapped
  literal   a text changed in its first digit or last character, true into false
At most CAP faults per file are planted, spread over the kinds and the file. Each is rebuilt
incrementally and the test programs run in turn, stopping at the first failure.
"""
import argparse
import filecmp
import os
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = os.path.join(ROOT, 'build-mutants')
TREE = os.path.join(WORK, 'tree')
BUILD = os.path.join(WORK, 'build')
TEST_PROGRAMS = ['tests/engine/engine_tests', 'tests/engine/rating_allocation_tests',
                 'tests/worksheets/worksheets_tests', 'tests/usage/usage_tests', 'tests/cli/cli_tests']
TARGETS = ['engine_tests', 'rating_allocation_tests', 'worksheets_tests', 'usage_tests', 'cli_tests',
           'korveld-cli']
SOURCE_DIRS = ('engine/', 'worksheets/', 'cli/')

RELOPS = [(' <= ', ' < '), (' >= ', ' > '), (' < ', ' <= '), (' > ', ' >= '), (' == ', ' != '),
          (' != ', ' == '), (' && ', ' || '), (' || ', ' && ')]
NUMBER = re.compile(r'(?<![\w.])(\d+\.\d*|\d+)(f?)(?![\w.])')
STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')
CALL = re.compile(r'^\s*(?!return\b|break\b|continue\b|case\b|default\b)[A-Za-z_][\w.:\->\[\]()]*(\(.*\)|\s[-+*/|&]?=\s.*);\s*$')
ROW = re.compile(r'^\s*\{.*\},?\s*(//.*)?$')


def code_part(line):
    """The line without its comment and with its string literals blanked (for operator search)."""
    cut = line.split('//', 1)[0]
    return STRING.sub(lambda m: '"' + ' ' * len(m.group(1)) + '"', cut)


def candidates(path, lines):
    found = []  # (kind, line index, new text of the line, or the index to swap with)
    in_block_comment = False
    for i, line in enumerate(lines):
        stripped = line.strip()
        if in_block_comment:
            in_block_comment = '*/' not in stripped
            continue
        if stripped.startswith('/*'):
            in_block_comment = '*/' not in stripped
            continue
        if (not stripped or stripped.startswith('//') or stripped.startswith('#') or 'static_assert' in line
                or stripped.startswith('template')):
            continue
        code = code_part(line)
        for old, new in RELOPS:
            at = code.find(old)
            if at >= 0 and '<<' not in code and 'template' not in code:
                found.append(('relop', i, line[:at] + new + line[at + len(old):], f'{old.strip()} -> {new.strip()}'))
                break
        for m in NUMBER.finditer(code):
            if code[:m.start()].rstrip().endswith('[') or 'int16_t' in code[:m.start()][-12:]:
                continue
            text, suffix = m.group(1), m.group(2)
            if '.' in text:
                nonzero = [k for k, ch in enumerate(text) if ch in '123456789']
                k = nonzero[-1] if nonzero else text.index('0')
                changed = text[:k] + ('8' if text[k] == '9' else str(int(text[k]) + 1)) + text[k + 1:]
            else:
                changed = str(int(text) + 1)
            found.append(('constant', i, line[:m.start()] + changed + suffix + line[m.end():],
                          f'{text}{suffix} -> {changed}{suffix}'))
            break
        if path.endswith('.cpp') and CALL.match(code) and stripped.endswith(';') and not stripped.startswith('using'):
            found.append(('call', i, '', f'deleted: {stripped}'))
        for m in STRING.finditer(line.split('//', 1)[0]):
            if line.lstrip().startswith('#include'):
                break
            body = m.group(1)
            digit = re.search(r'\d', body)
            if digit:
                d = digit.start()
                new_body = body[:d] + str((int(body[d]) + 1) % 10) + body[d + 1:]
            elif body.endswith('\\'):
                continue
            elif body:
                new_body = body[:-1]
            else:
                new_body = 'X'
            found.append(('literal', i, line[:m.start()] + '"' + new_body + '"' + line[m.end():],
                          f'"{body}" -> "{new_body}"'))
            break
        else:
            for old, new in ((r'\btrue\b', 'false'), (r'\bfalse\b', 'true')):
                m = re.search(old, code)
                if m:
                    found.append(('literal', i, line[:m.start()] + new + line[m.end():], f'{m.group(0)} -> {new}'))
                    break
        if (i + 1 < len(lines) and ROW.match(line) and ROW.match(lines[i + 1])
                and code_part(line).strip() != code_part(lines[i + 1]).strip()):
            found.append(('row', i, i + 1, f'rows {i + 1} and {i + 2} swapped'))
    return found


def sample(found, cap, seed):
    """Up to cap faults: the kinds taken in turn, each kind's faults spread evenly over the file."""
    by_kind = {}
    for fault in found:
        by_kind.setdefault(fault[0], []).append(fault)
    picks = {kind: [] for kind in by_kind}
    for kind, faults in by_kind.items():
        step = max(1, len(faults) // max(1, cap))
        offset = seed % step
        picks[kind] = faults[offset::step]
    chosen = []
    while len(chosen) < cap and any(picks.values()):
        for kind in sorted(picks):
            if picks[kind] and len(chosen) < cap:
                chosen.append(picks[kind].pop(0))
    return sorted(chosen, key=lambda f: f[1])


def run(cmd, timeout=None, **kw):
    return subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, timeout=timeout, **kw)


def changed_files():
    base = run(['git', '-C', ROOT, 'merge-base', 'HEAD', 'main']).stdout.strip() or 'HEAD'
    names = run(['git', '-C', ROOT, 'diff', '--name-only', base]).stdout.split()
    names += run(['git', '-C', ROOT, 'ls-files', '--others', '--exclude-standard']).stdout.split()
    return sorted({n for n in names if n.startswith(SOURCE_DIRS) and n.endswith(('.cpp', '.h'))})


def expand(paths):
    files = []
    for p in paths:
        rel = os.path.relpath(os.path.abspath(p), ROOT)
        full = os.path.join(ROOT, rel)
        if os.path.isdir(full):
            for dirpath, _, names in os.walk(full):
                files += [os.path.relpath(os.path.join(dirpath, n), ROOT) for n in names if n.endswith(('.cpp', '.h'))]
        elif os.path.isfile(full):
            files.append(rel)
    return sorted(set(files))


def copy_tree():
    """Brings the copy up to date with the working tree, copying only what differs so the build stays incremental."""
    for dirpath, dirnames, names in os.walk(ROOT):
        rel = os.path.relpath(dirpath, ROOT)
        if rel == '.':
            dirnames[:] = [d for d in dirnames if d != '.git' and not d.startswith('build')]
        for n in names:
            src = os.path.join(dirpath, n)
            dst = os.path.join(TREE, rel, n)
            if os.path.exists(dst) and filecmp.cmp(src, dst, shallow=False):
                continue
            os.makedirs(os.path.dirname(dst), exist_ok=True)
            shutil.copy(src, dst)  # a fresh time: whatever was built from an older text is rebuilt


def prepare():
    os.makedirs(WORK, exist_ok=True)
    copy_tree()
    if not os.path.exists(os.path.join(BUILD, 'build.ninja')):
        env = dict(os.environ, CMAKE_CXX_COMPILER_LAUNCHER='ccache')
        run(['cmake', '-S', TREE, '-B', BUILD, '-G', 'Ninja', '-DCMAKE_BUILD_TYPE=', '-DCMAKE_CXX_FLAGS=-O1',
             '-DKORVELD_BUILD_GUI=OFF', '-DKORVELD_BUILD_BENCH=OFF'], check=True, env=env)
    result = build()
    if result is not None:
        sys.exit('the unchanged tree does not build:\n' + result)
    failure = test(600)
    if failure is not None:
        sys.exit('the unchanged tree fails its tests: ' + failure)


def build():
    r = run(['ninja', '-C', BUILD] + TARGETS)
    return None if r.returncode == 0 else r.stdout[-3000:]


def test(timeout):
    """None when every test program passes, else the first that fails."""
    for program in TEST_PROGRAMS:
        try:
            r = run([os.path.join(BUILD, program), '--gtest_fail_fast', '--gtest_brief=1'], timeout=timeout,
                    cwd=os.path.join(BUILD, os.path.dirname(program)))
        except subprocess.TimeoutExpired:
            return os.path.basename(program) + ' (timed out)'
        if r.returncode != 0:
            failed = re.search(r'\[  FAILED  \] (\S+)', r.stdout)
            return os.path.basename(program) + (' ' + failed.group(1) if failed else '')
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('paths', nargs='*')
    parser.add_argument('--cap', type=int, default=6, help='faults planted per file (default 6)')
    parser.add_argument('--header-cap', type=int, default=None,
                        help='faults per header (a header rebuilds every file that includes it; default: --cap)')
    parser.add_argument('--seed', type=int, default=0, help='another sample of the same kinds')
    parser.add_argument('--timeout', type=int, default=300, help='seconds per test program')
    parser.add_argument('--list', action='store_true', help='only list the faults that would be planted')
    args = parser.parse_args()
    files = expand(args.paths) if args.paths else changed_files()
    plan = []
    for name in files:
        with open(os.path.join(ROOT, name)) as f:
            lines = f.read().split('\n')
        cap = args.header_cap if name.endswith('.h') and args.header_cap is not None else args.cap
        plan += [(name, fault) for fault in sample(candidates(name, lines), cap, args.seed)]
    if args.list:
        for name, (kind, i, _, what) in plan:
            print(f'{name}:{i + 1}: {kind}: {what}')
        return
    if not plan:
        print('no faults to plant')
        return
    prepare()
    report = open(os.path.join(WORK, 'report.txt'), 'w')
    current = {}

    def restore(*_):
        for name, text in current.items():
            with open(os.path.join(TREE, name), 'w') as f:
                f.write(text)
        current.clear()

    def interrupted(*_):
        restore()
        signal.signal(signal.SIGTERM, signal.SIG_IGN)
        os.killpg(0, signal.SIGTERM)  # the build or test still running
        sys.exit('\nstopped; the working tree was never changed')

    signal.signal(signal.SIGINT, interrupted)
    signal.signal(signal.SIGTERM, interrupted)
    tally = {'caught': 0, 'survived': 0, 'no build': 0}
    survivors = []
    started = time.time()
    for n, (name, (kind, i, new, what)) in enumerate(plan, 1):
        path = os.path.join(TREE, name)
        with open(path) as f:
            original = f.read()
        lines = original.split('\n')
        if kind == 'row':
            lines[i], lines[new] = lines[new], lines[i]
        else:
            lines[i] = new
        current[name] = original
        with open(path, 'w') as f:
            f.write('\n'.join(lines))
        began = time.time()
        if build() is not None:
            outcome = 'no build'
        else:
            failure = test(args.timeout)
            outcome = 'survived' if failure is None else 'caught'
        restore()
        tally[outcome] += 1
        line = f'{name}:{i + 1}: {kind}: {what}'
        verdict = outcome if outcome != 'caught' else f'caught by {failure}'
        print(f'[{n}/{len(plan)}] {time.time() - began:4.0f} s  {verdict:<12.80} {line}', flush=True)
        report.write(f'{outcome}\t{line}\t{verdict}\n')
        report.flush()
        if outcome == 'survived':
            survivors.append(line)
    build()  # leave the copy built as it stands
    rated = tally['caught'] + tally['survived']
    summary = (f"\n{tally['caught']} of {rated} faults caught"
               f" ({100.0 * tally['caught'] / max(1, rated):.0f} %); {tally['no build']} did not build;"
               f" {time.time() - started:.0f} s")
    print(summary)
    report.write(summary + '\n')
    if survivors:
        print('Surviving faults:')
        for s in survivors:
            print('  ' + s)
    sys.exit(1 if survivors else 0)


if __name__ == '__main__':
    main()
