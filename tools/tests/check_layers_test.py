#!/usr/bin/env python3
"""tools/check-layers over small trees with one planted file each."""

import contextlib
import importlib.machinery
import importlib.util
import io
import os
import subprocess
import sys
import tempfile
import unittest

CHECK = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "check-layers")
_loader = importlib.machinery.SourceFileLoader("check_layers", CHECK)
check_layers = importlib.util.module_from_spec(importlib.util.spec_from_loader("check_layers", _loader))
_loader.exec_module(check_layers)

# A tree that keeps the order: each folder includes one below it.
BASE_TREE = {
    "engine/Numora.h": "#pragma once\n",
    "engine/Numora.cpp": '#include "engine/Numora.h"\n#include "ui/ZoqString.h"\n',
    "ui/ZoqString.h": "#pragma once\n",
    "ui/ZoqString.cpp": '#include "engine/Numora.h"\n',
    "ce/ZoqGdiScope.h": "#pragma once\n",
    "ce/ZoqFrame.cpp": '#include "ce/ZoqGdiScope.h"\n#include <windows.h>\n',
    "ui/ZoqWnd.h": '#pragma once\n#include "ce/ZoqGdiScope.h"\n',
    "graph/WndGraph.h": '#pragma once\n#include "ui/ZoqWnd.h"\n',
    "calc/CalcWindow.h": '#pragma once\n#include "graph/WndGraph.h"\n',
    "calc/tests/WindowDriver.h": '#pragma once\n#include "calc/CalcWindow.h"\n',
    "testing/ModalWatch.h": '#pragma once\n#include "ui/ZoqWnd.h"\n',
    "regression/TrendoraCalc.h": '#pragma once\n#include "calc/CalcWindow.h"\n',
    "regression/app/DlgTrendora.cpp": '#include "regression/TrendoraCalc.h"\n',
    "quadratic/app/tests/WindowTest.cpp":
        '#include "calc/tests/WindowDriver.h"\n#include "testing/ModalWatch.h"\n',
    "scientific/Calculator.h": "#pragma once\n",
    "cli/NumoraKeys.cpp": '#include "scientific/Calculator.h"\n#include "engine/Numora.h"\n',
    "financial/app/tests/DialogDriver.h": "#pragma once\n",
    "financial/app/shots/FiscoraShots.cpp": '#include "financial/app/tests/DialogDriver.h"\n',
    "scientific/app/Numorapad.rc": '#include "scientific/app/resource.h"\n',
    "scientific/app/resource.h": "#pragma once\n",
}

# (name, planted files, exit status, text the report must hold)
CASES = [
    ("the tree as it is", {}, 0, "keep the layer order"),
    ("ce includes ui", {"ce/ZoqShot.cpp": '#include "ce/ZoqGdiScope.h"\n#include "ui/ZoqWnd.h"\n'},
     1, "ce/ZoqShot.cpp:2: includes ui/ZoqWnd.h: ce may not use ui"),
    ("ui includes graph", {"ui/ZoqGDI.cpp": '#include "graph/WndGraph.h"\n'},
     1, "ui/ZoqGDI.cpp:1: includes graph/WndGraph.h: ui may not use graph"),
    ("graph includes calc", {"graph/GraphPainter.cpp": '#include "calc/CalcWindow.h"\n'},
     1, "graph may not use calc"),
    ("engine includes the window library", {"engine/NumoraMath.cpp": '#include "ui/ZoqWnd.h"\n'},
     1, "base may not use ui"),
    ("the string utility includes a window", {"ui/ZoqString_win.cpp": '#include "ui/ZoqWnd.h"\n'},
     1, "base may not use ui"),
    ("an upward include written relative",
     {"ce/ZoqImage.cpp": '#include "../ui/ZoqWnd.h"\n'}, 1, "includes ui/ZoqWnd.h: ce may not use ui"),
    ("an upward include in angle brackets", {"ce/ZoqImage.cpp": "#include <ui/ZoqWnd.h>\n"},
     1, "ce may not use ui"),
    ("an upward include in a resource script", {"graph/Graph.rc": '#include "calc/CalcWindow.h"\n'},
     1, "graph may not use calc"),
    ("one program includes another",
     {"financial/app/Frame.cpp": '#include "regression/TrendoraCalc.h"\n'}, 1,
     "fiscora may not use regression"),
    ("a portable core includes its window",
     {"regression/TrendoraFile.cpp": '#include "regression/app/DlgTrendora.h"\n',
      "regression/app/DlgTrendora.h": "#pragma once\n"}, 1, "regression may not use trendora"),
    ("production code includes a test driver",
     {"calc/CalcFace.cpp": '#include "calc/tests/WindowDriver.h"\n'}, 1,
     "production code may not use test code"),
    ("a program includes testing/", {"quadratic/app/ParabixMain.cpp": '#include "testing/ModalWatch.h"\n'},
     1, "ParabixMain.cpp:1: includes testing/ModalWatch.h: production code may not use test code"),
    ("a test of a lower folder includes a higher one",
     {"graph/tests/GraphTest.cpp": '#include "calc/CalcWindow.h"\n'}, 1, "graph may not use calc"),
    ("a folder without a place", {"widgets/Knob.cpp": '#include "ui/ZoqWnd.h"\n'},
     1, "widgets/Knob.cpp: its folder has no place"),
    ("an include of a folder without a place",
     {"widgets/Knob.h": "#pragma once\n", "ui/ZoqDial.cpp": '#include "widgets/Knob.h"\n'},
     1, "includes widgets/Knob.h: its folder has no place"),
    ("wcscpy", {"regression/TrendoraCalc.cpp": "void F(wchar_t* a) { std::wcscpy(a, L\"0\"); }\n"},
     1, "regression/TrendoraCalc.cpp:1: wcscpy writes without a bound"),
    ("wcscat", {"engine/Numora2.cpp": "void F(wchar_t* a, const wchar_t* b) {\n  wcscat (a, b);\n}\n"},
     1, "engine/Numora2.cpp:2: wcscat writes"),
    ("lstrcatW", {"scientific/app/Dlg.cpp": "void F(wchar_t* t) { lstrcatW(t, L\")\"); }\n"},
     1, "lstrcatW writes"),
    ("lstrcpy", {"ui/ZoqWnd.cpp": "void F(char* t) { lstrcpy(t, \"x\"); }\n"}, 1, "lstrcpy writes"),
    ("strcpy", {"cli/Opt.cpp": "void F(char* t) { strcpy(t, \"x\"); }\n"}, 1, "strcpy writes"),
    ("strcat", {"cli/Opt.cpp": "void F(char* t) { strcat(t, \"x\"); }\n"}, 1, "strcat writes"),
    ("sprintf", {"cli/Opt.cpp": "void F(char* t) { std::sprintf(t, \"%d\", 1); }\n"}, 1,
     "sprintf writes"),
    ("vsprintf", {"cli/Opt.cpp": "void F(char* t, va_list v) { vsprintf(t, \"%d\", v); }\n"}, 1,
     "vsprintf writes"),
    ("an unbounded copy in a test", {"calc/tests/Drv.cpp": "void F(wchar_t* t) { wcscpy(t, L\"\"); }\n"},
     1, "wcscpy writes"),
    ("bounded writes and names in comments and texts",
     {"cli/Opt.cpp": ("// never wcscpy(a, b) here\n/* strcat(a, b);\n sprintf(a) */\n"
                      "const char* k = \"strcpy(a, b)\";\n"
                      "void F(wchar_t* t, char* c) { swprintf(t, 4, L\"%d\", 1); "
                      "snprintf(c, 4, \"%d\", 1); wcsncpy(t, L\"a\", 3); my_strcpy(c); }\n")},
     0, "keep the layer order"),
]


def check(root):
    """(exit status, everything printed) of the check over root, run in this process."""
    output = io.StringIO()
    with contextlib.redirect_stdout(output), contextlib.redirect_stderr(output):
        status = check_layers.main(["check-layers", root])
    return status, output.getvalue()


def plant(root, files):
    for path, text in files.items():
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w", encoding="utf-8") as f:
            f.write(text)


class CheckLayersTest(unittest.TestCase):
    def test_cases(self):
        for name, planted, status, expected in CASES:
            with self.subTest(name), tempfile.TemporaryDirectory() as root:
                plant(root, {**BASE_TREE, **planted})
                got, output = check(root)
                self.assertEqual(status, got, output)
                self.assertIn(expected, output)

    def test_build_folder_is_not_read(self):
        with tempfile.TemporaryDirectory() as root:
            plant(root, {**BASE_TREE, "build/gen/Gen.cpp": "void F(char* t) { strcpy(t, \"\"); }\n"})
            status, output = check(root)
            self.assertEqual(0, status, output)

    # The script as ./x test runs it: its exit status and its report on stderr.
    def test_every_finding_is_reported(self):
        with tempfile.TemporaryDirectory() as root:
            plant(root, {**BASE_TREE,
                         "ce/A.cpp": '#include "ui/ZoqWnd.h"\n#include "graph/WndGraph.h"\n',
                         "ce/B.cpp": "void F(wchar_t* t) { wcscpy(t, L\"\"); wcscat(t, L\"\"); }\n"})
            run = subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True)
            self.assertEqual(1, run.returncode)
            self.assertIn("4 finding(s)", run.stderr)


if __name__ == "__main__":
    unittest.main()
