"""The program must import only the system DLLs it is allowed to need."""

import os
import re
import subprocess
import unittest

ALLOWED = {"KERNEL32.dll", "msvcrt.dll", "WINSPOOL.DRV"}


class Imports(unittest.TestCase):
    def test_imports_only_kernel32_msvcrt_and_winspool(self):
        dump = subprocess.run([os.environ.get("OBJDUMP", "objdump"), "-p",
                               os.environ["QUILLSPOOL_EXE"]],
                              capture_output=True, text=True, check=True).stdout
        imported = set(re.findall(r"DLL Name: (\S+)", dump))
        self.assertEqual(imported, ALLOWED)


if __name__ == "__main__":
    unittest.main()
