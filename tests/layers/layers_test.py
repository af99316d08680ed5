#!/usr/bin/env python3
"""Every #include under framework/ and editor/ stays in its own layer or goes down.

The layers, bottom up; a folder nested inside another belongs to that one's layer unless it
is named here itself. A folder with sources that is not named fails the test, so a new one
is placed on purpose. Folders named "data" hold what the programs read at run time and are
not looked at. Before the repository, the check runs on a small made-up tree to show that it
sees an include that goes up and a folder in no layer.
    layers_test.py [repository]
"""
import os
import re
import sys
import tempfile

LAYERS = [
    ["framework"],
    ["editor/res"],
    ["editor/util"],
    ["editor/settings"],
    ["editor/document"],
    ["editor/view"],
    ["editor/dialogs", "editor/shell", "editor/inputaids"],
    ["editor/viewwindow"],
    ["editor/app"],
]
RANK = {folder: rank for rank, folders in enumerate(LAYERS) for folder in folders}
SOURCE_SUFFIXES = (".h", ".cpp", ".c", ".rc")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def layer_of(path):
    """The layer folder a repository-relative path lies in, or None."""
    folder = os.path.dirname(path)
    while folder:
        if folder in RANK:
            return folder
        folder = os.path.dirname(folder)
    return None


def included_path(source, name, root):
    """The repository-relative path an include names: beside the source, else from the root."""
    beside = os.path.normpath(os.path.join(os.path.dirname(source), name))
    if os.path.exists(os.path.join(root, beside)):
        return beside
    return os.path.normpath(name)


def faults(root):
    found = []
    for top in ("framework", "editor"):
        for folder, subfolders, files in os.walk(os.path.join(root, top)):
            subfolders[:] = sorted(sub for sub in subfolders if sub != "data")
            for name in sorted(files):
                if not name.endswith(SOURCE_SUFFIXES):
                    continue
                source = os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")
                own = layer_of(source)
                if own is None:
                    found.append(f"{source}: its folder is in no layer")
                    continue
                with open(os.path.join(root, source), encoding="utf-8", errors="replace") as text:
                    for number, line in enumerate(text, 1):
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        target = included_path(source, match.group(1), root).replace(os.sep, "/")
                        theirs = layer_of(target)
                        if theirs is not None and RANK[theirs] > RANK[own]:
                            found.append(f"{source}:{number}: {own} includes {target} from {theirs}, a layer above")
    return found


def check_made_up_tree():
    """The faults of a tree with one include of each kind; False when the check misses one."""
    files = {
        "framework/Wnd.h": '#include "framework/CString.h"\n',
        "framework/CString.h": "",
        "editor/settings/Records.h": '#include "editor/view/Engine.h"\n#include "Local.h"\n',
        "editor/settings/Local.h": '#  include "editor/util/Path.h"\n',
        "editor/util/Path.h": '#include "framework/Wnd.h"\n',
        "editor/view/Engine.h": '#include "editor/settings/Records.h"\n',
        "editor/app/program/Main.cpp": '#include "editor/viewwindow/View.h"\n',
        "editor/viewwindow/View.h": '#include "../app/Frame.h"\n',
        "editor/app/Frame.h": "",
        "editor/attic/Old.cpp": "",
        "editor/data/kept.h": "",
    }
    expected = [
        "editor/attic/Old.cpp: its folder is in no layer",
        "editor/settings/Records.h:1: editor/settings includes editor/view/Engine.h from editor/view, a layer above",
        "editor/viewwindow/View.h:1: editor/viewwindow includes editor/app/Frame.h from editor/app, a layer above",
    ]
    with tempfile.TemporaryDirectory() as root:
        for path, text in files.items():
            os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
            with open(os.path.join(root, path), "w", encoding="utf-8") as out:
                out.write(text)
        found = sorted(faults(root))
    if found != expected:
        print("the check itself is wrong on a made-up tree; found:")
        for fault in found:
            print("   ", fault)
        return False
    return True


def main():
    if not check_made_up_tree():
        return 1
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
    found = faults(os.path.abspath(root))
    for fault in found:
        print(fault)
    print(f"{len(found)} include(s) out of layer")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
