#!/usr/bin/env python3
"""The source tree's structure rules, run as a test: a global is declared extern only in
its owner's header, SDL and OpenAL are included only under src/platform, and an include
in src never points up the layer order platform < base < graphics, audio < game <
screens < shell (graphics and audio do not include each other).

The tests' probes and the fence's own test files may include SDL and OpenAL.

Usage: check_structure.py [REPOSITORY]; prints every offending file and line, and exits
with 1 when there is any."""
import re
import sys
from pathlib import Path

LAYERS = {"platform": 0, "base": 1, "graphics": 2, "audio": 2, "game": 3, "screens": 4, "shell": 5}
FOLDERS = ("src", "tools", "tests", "bench")
# Besides the platform, only the tests' probes (which reach behind it on purpose) and
# the fence's own test files (which must fail to build) include SDL or OpenAL.
SDL_FOLDERS = ("src/platform/", "tests/probe/", "tests/fence/")

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
# extern "C" only sets a linkage; it declares nobody's global.
EXTERN = re.compile(r'^\s*extern\b(?!\s*"C")')


def layer_of(relative):
    """The layer a file under src belongs to, or None outside src."""
    parts = relative.split("/")
    return parts[1] if parts[0] == "src" and len(parts) > 2 else None


def check_file(root, path):
    relative = path.relative_to(root).as_posix()
    layer = layer_of(relative)
    problems = []
    if layer is not None and layer not in LAYERS:
        problems.append(f"{relative}: src/{layer} has no place in the layer order")
    for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
        where = f"{relative}:{number}"
        if path.suffix == ".cpp" and EXTERN.match(line):
            problems.append(f"{where}: extern declaration in a .cpp file: {line.strip()}")
        match = INCLUDE.match(line)
        if not match:
            continue
        target = match.group(2)
        if (target.startswith("SDL") or target.startswith("AL/")) and not relative.startswith(SDL_FOLDERS):
            problems.append(f"{where}: SDL or OpenAL outside src/platform: #include {target}")
        top = target.split("/")[0]
        if match.group(1) != '"' or layer not in LAYERS or top not in LAYERS or top == layer:
            continue
        if LAYERS[top] >= LAYERS[layer]:
            problems.append(f"{where}: {layer} includes {target}, which is not below it")
    return problems


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent)
    problems = []
    for folder in FOLDERS:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix in (".cpp", ".h") and path.is_file():
                problems += check_file(root, path)
    for problem in problems:
        print(problem)
    print(f"structure: {len(problems)} problem(s)" if problems else "structure: clean")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
