#!/usr/bin/env python3
"""Checks that the source folders form layers.

Every `#include "folder/file.h"` between two folders is an edge. The check
fails when
  - a lower folder includes an upper one (the order below), or
  - the edges form a cycle between folders (a -> b -> ... -> a),
and prints each offending include with its file and line.

    scripts/check-layers.py [source root]

Folders of the display program, lowest first. A folder may include any folder
listed before it, never one listed after it. Folders side by side in a group
(the same tuple) may not include each other at all.
"""
import os
import re
import sys

LAYERS = [
    ("platform",),
    ("mvb",),
    ("acquisition",),
    ("diagnostics", "input", "widgets"),
    ("ui",),
    ("screens", "maintenance"),
    ("app",),
]
# Programs beside the display: they may use the logic layers, nothing of the
# screens, and nothing includes them.
SIDE = {"sim": 2, "probe": 2, "tools": 3}

# Edges still to be removed, each with the reason. The check fails when an edge
# listed here is gone (so the list only shrinks) or a new one appears.
KNOWN = {
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/[^"]+"')


def rank_of(folder):
    for i, group in enumerate(LAYERS):
        if folder in group:
            return i
    return SIDE.get(folder)


def edges(root):
    found = {}
    folders = [f for g in LAYERS for f in g] + list(SIDE)
    for folder in folders:
        base = os.path.join(root, folder)
        for dirpath, _, files in os.walk(base):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp", ".def")):
                    continue
                path = os.path.join(dirpath, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if not m or m.group(1) == folder:
                            continue
                        target = m.group(1)
                        if rank_of(target) is None:
                            continue
                        rel = os.path.relpath(path, root)
                        found.setdefault((folder, target), []).append(f"{rel}:{number}")
    return found


def cycles(edge_set):
    graph = {}
    for a, b in edge_set:
        graph.setdefault(a, set()).add(b)
    out = []
    state = {}

    def visit(node, stack):
        state[node] = 1
        stack.append(node)
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == 1:
                out.append(stack[stack.index(nxt):] + [nxt])
            elif nxt not in state:
                visit(nxt, stack)
        stack.pop()
        state[node] = 2

    for node in sorted(graph):
        if node not in state:
            visit(node, [])
    return out


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    found = edges(root)
    problems = []
    for (a, b), where in sorted(found.items()):
        ra, rb = rank_of(a), rank_of(b)
        upward = b in SIDE or (a not in SIDE and rb >= ra) or (a in SIDE and rb > ra)
        if upward and (a, b) not in KNOWN:
            problems.append(f"{a} includes {b}, a folder above it or beside it:")
            problems.extend("    " + w for w in where)
    for (a, b) in sorted(KNOWN):
        present = os.path.isdir(os.path.join(root, a)) and os.path.isdir(os.path.join(root, b))
        if present and (a, b) not in found:
            problems.append(f"{a} no longer includes {b}: remove the edge from KNOWN")
    for cycle in cycles(set(found) - set(KNOWN)):
        problems.append("include cycle between folders: " + " -> ".join(cycle))
    if problems:
        print("\n".join(problems))
        return 1
    print(f"layers: {len(found)} edges between folders, no cycle")
    return 0


if __name__ == "__main__":
    sys.exit(main())
