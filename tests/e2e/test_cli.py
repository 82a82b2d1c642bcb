"""The help screen, wrong usage and the exit status, through the real program under Wine."""

import os
import shutil
import unittest

from harness import (EXE, ScratchFolder, on_a_pipe, run, run_on_console, run_through_cmd,
                     windows_path)

EXAMPLE = ' -p "C:\\mypdffile.pdf" "my printer name"'


def screen(program):
    """The help screen as bytes, for a program name already in its output form."""
    return (b"Version  : Quillspool 1.1\r\n"
            b"\r\n"
            b"Print any binary file directly on printer without performing any conversion. "
            b"Very usefull for PDF/PS files printing.\r\n"
            b"\r\n"
            b"Usage: \r\n"
            + program + EXAMPLE.encode() + b"\r\n"
            b"\r\n"
            b"Options:\r\n"
            b"  --help|-h  - Show this help\r\n"
            b"  --list|-l [local|remote|all] - Show list of available printers. Follow -l by "
            b"'local' to show local printers or 'remote' to show network printers.\r\n"
            b"  --print|-p <input file> <printername> - Print <input file> on printer "
            b"<printername>\r\n")


SCREEN = screen(on_a_pipe(windows_path(EXE)))


class HelpScreen(unittest.TestCase):
    def test_help_command_shows_the_screen_with_status_0(self):
        for args in (["-h"], ["--help"], ["--help", "-l"], ["unknown", "-h", "-p", "a", "b"]):
            with self.subTest(args=args):
                self.assertEqual(run(args), (0, SCREEN))

    def test_wrong_usage_shows_the_same_screen_with_status_1(self):
        cases = ([], ["x"], ["-p"], ["-p", "file.pdf"], ["-p", "", "printer"],
                 ["-p", "file.pdf", ""], ["-H"], ["/?"], ["--list=all"], ["-help"], ["-P", "a", "b"])
        for args in cases:
            with self.subTest(args=args):
                self.assertEqual(run(args), (1, SCREEN))


class ProgramName(unittest.TestCase):
    def test_the_name_is_shown_as_the_caller_typed_it(self):
        folder = os.path.dirname(EXE)
        for typed in ("quillspool", ".\\quillspool.EXE", "quillspool.exe"):
            with self.subTest(typed=typed):
                self.assertEqual(run_through_cmd(typed + " -h", cwd=folder),
                                 (0, screen(typed.encode())))

    def test_names_beyond_ascii_on_a_pipe(self):
        # Units up to U+00FF are their own byte, every other unit one '?'.
        cases = (("D\u00e9p\u00f4t", "quillspool.exe"),
                 ("\u6253\u5370", "\u5de5\u5177 \U0001F5A8.exe"))
        for folder_name, exe_name in cases:
            with self.subTest(name=exe_name), ScratchFolder() as scratch:
                copy = os.path.join(scratch, folder_name, exe_name)
                os.makedirs(os.path.dirname(copy))
                shutil.copy(EXE, copy)
                self.assertEqual(run(["-h"], exe=copy),
                                 (0, screen(on_a_pipe(windows_path(copy)))))

    def test_names_beyond_ascii_on_a_console_show_their_characters(self):
        with ScratchFolder() as scratch:
            copy = os.path.join(scratch, "\u6253\u5370", "B\u00fcro.exe")
            os.makedirs(os.path.dirname(copy))
            shutil.copy(EXE, copy)
            status, text = run_on_console(["--help"], exe=copy)
            self.assertEqual(status, 0)
            self.assertIn("\nUsage: \n" + windows_path(copy) + EXAMPLE + "\n\nOptions:\n", text)
            self.assertTrue(text.endswith("on printer <printername>\n"), text)


if __name__ == "__main__":
    unittest.main()
