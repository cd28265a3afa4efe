#!/usr/bin/env python3
"""Checks the layers of src/: every include of a higher layer, and every
pair of folders that include each other (directly or through others).

Layers from the bottom up; each may include itself and what is listed:
  base; db/engine; db/tables; booking; analysis (base and db only); intake;
  app; demo. The database layer is two: the engine (connection, backends,
  statements, units of work) and the tables above it.
Prints each break and a summary line; exits 1 when there is any."""
import os
import re
import sys

DB = {"db/engine", "db/tables"}
MAY_INCLUDE = {
    "base": {"base"},
    "db/engine": {"base", "db/engine"},
    "db/tables": {"base", "db/engine", "db/tables"},
    "booking": {"base", "booking"} | DB,
    "analysis": {"base", "analysis"} | DB,
    "intake": {"base", "booking", "intake"} | DB,
    "app": {"base", "booking", "analysis", "intake", "app"} | DB,
    "demo": {"base", "booking", "analysis", "intake", "app", "demo"} | DB,
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def layer_of(parts):
    """The layer of a path below src/: its first folder, or db/<second>."""
    if len(parts) < 2:
        return None
    if parts[0] == "db":
        return "db/" + parts[1] if len(parts) > 2 else "db"
    return parts[0]


def includes(src):
    """(folder, included folder, place) for every include of src/."""
    for directory, _, files in os.walk(src):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(directory, name)
            folder = layer_of(os.path.relpath(path, src).split(os.sep))
            with open(path, errors="replace") as f:
                for number, line in enumerate(f, 1):
                    m = INCLUDE.match(line)
                    target = layer_of(m.group(1).split("/")) if m else None
                    if target:
                        yield folder, target, "%s:%d" % (os.path.relpath(path, src), number)


def main():
    src = os.path.join(sys.argv[1] if len(sys.argv) > 1 else ".", "src")
    edges, breaks = {}, []
    for folder, target, place in includes(src):
        if target == folder:
            continue
        edges.setdefault(folder, set()).add(target)
        if folder not in MAY_INCLUDE:
            breaks.append("src/%s: folder src/%s is no layer" % (place, folder))
        elif target not in MAY_INCLUDE[folder]:
            breaks.append("src/%s includes a higher layer: %s" % (place, target))

    def reachable(start):
        seen, todo = set(), [start]
        while todo:
            for nxt in edges.get(todo.pop(), ()):
                if nxt not in seen:
                    seen.add(nxt)
                    todo.append(nxt)
        return seen

    folders = sorted(edges)
    cycles = [(a, b) for a in folders for b in folders
              if a < b and b in reachable(a) and a in reachable(b)]
    for line in breaks:
        print(line)
    for a, b in cycles:
        print("src/%s and src/%s include each other" % (a, b))
    print("layer breaks %d, folder cycles %d" % (len(breaks), len(cycles)))
    return 1 if breaks or cycles else 0


if __name__ == "__main__":
    sys.exit(main())
