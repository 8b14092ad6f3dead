#!/usr/bin/env python3
"""check-structure on small made-up trees: what it must report and what it must let pass."""
import os
import sys
import tempfile
import types
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
# The checker is a script without a .py ending: load it as a module by hand.
check_structure = types.ModuleType("check_structure")
with open(os.path.join(HERE, "check-structure"), encoding="utf-8") as script:
    exec(compile(script.read(), script.name, "exec"), check_structure.__dict__)


def lines(count, first=""):
    return first + "".join("int x%d;\n" % i for i in range(count - (1 if first else 0)))


# (what, {file: text}, substrings of the problems expected, in order; [] for none)
CASES = [
    ("root-relative includes down the layers",
     {"engine/a.h": '#include "engine/zipformat/b.h"\n#include <vector>\n', "engine/zipformat/b.h": "",
      "app/c.cpp": '#include "dialogs/d.h"\n#include "controls/e.h"\n#include <QString>\n',
      "dialogs/d.h": '#include "controls/e.h"\n#include "platform/f.h"\n',
      "controls/e.h": '#include "platform/f.h"\n#include "engine/a.h"\n', "platform/f.h": ""}, []),
    ("include beside the including file",
     {"tests/engine/T.cpp": '#include "Support.h"\n', "tests/engine/Support.h": '#include "engine/a.h"\n',
      "engine/a.h": ""}, []),
    ("two-file cycle",
     {"engine/a.h": '#include "engine/b.h"\n', "engine/b.h": '#include "engine/a.h"\n'},
     ["include cycle: engine/a -> engine/b -> engine/a"]),
    ("three-file cycle through a neighbour's include",
     {"app/x.cpp": '#include "app/a.h"\n', "app/a.h": '#include "b.h"\n', "app/b.h": '#include "app/c.h"\n',
      "app/c.h": '#include "app/a.h"\n'},
     ["include cycle: app/a -> app/b -> app/c -> app/a"]),
    ("two units using each other through their sources",
     {"app/x.cpp": '#include "app/x.h"\n#include "app/y.h"\n', "app/x.h": "",
      "app/y.cpp": '#include "app/y.h"\n#include "app/x.h"\n', "app/y.h": ""},
     ["include cycle: app/x -> app/y -> app/x"]),
    ("file including itself", {"platform/a.h": '#include "platform/a.h"\n'},
     ["include cycle: platform/a -> platform/a"]),
    ("engine including the window's layers",
     {"engine/a.cpp": '#include "app/b.h"\n#include "platform/c.h"\n', "app/b.h": "", "platform/c.h": ""},
     ["engine/a.cpp:1: layering: engine/ includes app/b.h",
      "engine/a.cpp:2: layering: engine/ includes platform/c.h"]),
    ("engine including Qt",
     {"engine/a.h": "#include <QString>\n# include <QtCore/QByteArray>\n#include <qglobal.h>\n"},
     ["engine/a.h:1: layering: engine/ includes QString (a Qt header)",
      "engine/a.h:2: layering: engine/ includes QtCore/QByteArray",
      "engine/a.h:3: layering: engine/ includes qglobal.h"]),
    ("controls and platform including dialogs or app",
     {"controls/a.cpp": '#include "dialogs/d.h"\n#include "app/e.h"\n',
      "platform/b.cpp": '#include "app/e.h"\n#include "dialogs/d.h"\n', "dialogs/d.h": "", "app/e.h": ""},
     ["controls/a.cpp:1: layering: controls/ includes dialogs/d.h",
      "controls/a.cpp:2: layering: controls/ includes app/e.h",
      "platform/b.cpp:1: layering: platform/ includes app/e.h",
      "platform/b.cpp:2: layering: platform/ includes dialogs/d.h"]),
    ("dialogs including app", {"dialogs/a.cpp": '#include "app/e.h"\n', "app/e.h": ""},
     ["dialogs/a.cpp:1: layering: dialogs/ includes app/e.h"]),
    ("the engine's folders, each including only those below it",
     {"engine/zipformat/a.cpp": '#include "engine/common/b.h"\n#include "engine/crypto/c.h"\n',
      "engine/common/b.h": '#include "engine/zipformat/d.h"\n', "engine/crypto/c.h": "", "engine/zipformat/d.h": "",
      "engine/unzeng/e.cpp": '#include "engine/zipformat/d.h"\n#include "engine/zipeng/f.h"\n', "engine/zipeng/f.h": "",
      "engine/g.cpp": '#include "engine/common/b.h"\n#include "engine/unzeng/e.h"\n', "engine/unzeng/e.h": ""},
     ["engine/g.cpp:2: layering: engine/ includes engine/unzeng/e.h (engine/unzeng/)",
      "engine/common/b.h:1: layering: engine/common/ includes engine/zipformat/d.h (engine/zipformat/)",
      "engine/unzeng/e.cpp:2: layering: engine/unzeng/ includes engine/zipeng/f.h (engine/zipeng/)",
      "engine/zipformat/a.cpp:2: layering: engine/zipformat/ includes engine/crypto/c.h (engine/crypto/)"]),
    ("long program file", {"controls/big.cpp": lines(601)},
     ["controls/big.cpp: length: 601 lines"]),
    ("long file with its reason", {"controls/big.cpp": lines(900, "// Longer than 600 lines: one table.\n")}, []),
    ("reason that is not a comment", {"controls/big.cpp": lines(601, 'const char *why = "longer than usual";\n')},
     ["controls/big.cpp: length: 601 lines"]),
    ("long file at the limit, long test, long bench",
     {"engine/a.cpp": lines(600), "tests/engine/T.cpp": lines(2000), "bench/b.cpp": lines(2000)}, []),
    ("build trees and hidden folders skipped",
     {"build-x/CMakeCache.txt": "", "build-x/a.h": '#include "build-x/a.h"\n' + lines(700),
      ".git/a.h": '#include ".git/a.h"\n'}, []),
    ("only the chooser names both backends; app/ goes through the component",
     {"engine/BackendChoice.cpp": '#include "engine/ZipBackend.h"\n#include "engine/OtherFormatBackend.h"\n',
      "engine/ZipBackend.h": "", "engine/OtherFormatBackend.h": "",
      "engine/Other.cpp": '#include "engine/ZipBackend.h"\n#include "engine/OtherFormatBackend.h"\n',
      "app/a.cpp": '#include "engine/ZipBackend.h"\n// orvex_unzeng_call(r) in a comment\nint n = orvex_zipeng_call(r);\n',
      "app/b.cpp": '#include "engine/unzeng/Unzeng.h"\nauto l = otherformats::list(p);\n',
      "engine/unzeng/Unzeng.h": ""},
     ["app/a.cpp: backends: app/ includes engine/ZipBackend.h", "app/a.cpp:3: backends",
      "app/b.cpp: backends: app/ includes engine/unzeng/Unzeng.h", "app/b.cpp:2: backends",
      "engine/Other.cpp: backends: names both"]),
]


class CheckStructureTest(unittest.TestCase):
    def test_cases(self):
        for what, files, expected in CASES:
            with self.subTest(what), tempfile.TemporaryDirectory() as root:
                for path, text in files.items():
                    os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
                    with open(os.path.join(root, path), "w") as f:
                        f.write(text)
                problems = check_structure.check(root)
                self.assertEqual(len(problems), len(expected), problems)
                for problem, wanted in zip(problems, expected):
                    self.assertIn(wanted, problem)

    def test_exit_status(self):
        with tempfile.TemporaryDirectory() as root:
            self.assertEqual(check_structure.main(["check-structure", root]), 0)
            os.makedirs(os.path.join(root, "engine"))
            with open(os.path.join(root, "engine", "a.h"), "w") as f:
                f.write("#include <QString>\n")
            self.assertEqual(check_structure.main(["check-structure", root]), 1)


if __name__ == "__main__":
    unittest.main()
