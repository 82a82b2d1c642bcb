"""The print command through Wine's real spooler into the private CUPS server."""

import os
import unittest

import cups_server
from harness import CUPS_DIR, ScratchFolder, run, run_on_console

ALL_BYTES = bytes(range(256))


def read(path):
    with open(path, "rb") as f:
        return f.read()


def write(path, contents):
    with open(path, "wb") as f:
        f.write(contents)


class PrintThroughCups(unittest.TestCase):
    def print_and_capture(self, contents, queue="demo", name="input.bin", relative=False):
        """Prints a file named name, by its full path or relative to the working folder."""
        with ScratchFolder() as scratch:
            path = os.path.join(scratch, name)
            write(path, contents)
            seen = set(cups_server.job_files(CUPS_DIR, queue))
            status, out = run(["-p", name if relative else path, queue], cwd=scratch)
            self.assertEqual((status, out), (0, b""))
            job = cups_server.wait_for_new_job(CUPS_DIR, queue, seen)
            return read(job), read(job + ".title")

    def test_the_job_holds_the_file_byte_for_byte(self):
        cases = {
            "one byte": b"x",
            "all byte values": ALL_BYTES * 4,
            "line ends": b"CRLF\r\nLF only\nCR only\rCRCR\r\rLFLF\n\n",
            "control bytes": b"\x1a\x00\x1a\x00\x00end\x1a",
            "pdf": b"%PDF-1.7\n%\xe2\xe3\xcf\xd3\n1 0 obj\n<< /Type /Catalog >>\nendobj\n%%EOF\n",
            "postscript": b"%!PS-Adobe-3.0\r\n%%Pages: 1\r\nshowpage\r\n\x04",
            "larger than a buffer": bytes((i * 7) % 256 for i in range(300000)),
        }
        for label, contents in cases.items():
            with self.subTest(label):
                job, title = self.print_and_capture(contents)
                self.assertEqual(job, contents)
                self.assertEqual(title, b"My Document")

    def test_printer_and_file_names_beyond_ascii(self):
        for queue, name in (("B\u00fcro", "D\u00e9p\u00f4t.ps"),
                            ("\u6253\u5370\u673a", "\u6587\u4ef6 \U0001F5A8.pdf")):
            with self.subTest(queue=queue):
                contents = ("job for " + queue).encode() + ALL_BYTES
                job, _ = self.print_and_capture(contents, queue=queue, name=name)
                self.assertEqual(job, contents)

    def test_relative_file_name(self):
        job, _ = self.print_and_capture(b"%!PS relative", name="rel.ps", relative=True)
        self.assertEqual(job, b"%!PS relative")


class PrintFailures(unittest.TestCase):
    def test_an_unknown_printer_is_named_in_the_error_line(self):
        with ScratchFolder() as scratch:
            path = os.path.join(scratch, "it's.pdf")
            write(path, b"%PDF")
            shown = path.encode()  # as typed
            cases = (("No Such Printer", b"No Such Printer"),
                     ("Bob's \u4e0d\u5b58\u5728", b"Bob's ???"),
                     ("demo2", b"demo2"))
            for printer, printer_bytes in cases:
                with self.subTest(printer=printer):
                    self.assertEqual(run(["-p", path, printer]), (
                        1, b"ERROR: Cannot print provided file '" + shown +
                        b"' on seletced printer '" + printer_bytes + b"'\r\n"))

    def test_an_unreadable_file_is_reported_before_any_printer(self):
        with ScratchFolder() as scratch:
            empty = os.path.join(scratch, "empty.pdf")
            write(empty, b"")
            for path in (os.path.join(scratch, "missing.pdf"), empty, scratch):
                for printer in ("demo", "No Such Printer"):
                    with self.subTest(path=path, printer=printer):
                        self.assertEqual(run(["-p", path, printer]),
                                         (1, b"ERROR: Cannot read input file\r\n"))

    def test_the_error_line_on_a_console_shows_the_printer_as_typed(self):
        with ScratchFolder() as scratch:
            path = os.path.join(scratch, "a.pdf")
            write(path, b"%PDF")
            status, text = run_on_console(["-p", path, "\u4e0d\u5b58\u5728 \u00e9"])
            self.assertEqual(status, 1)
            self.assertTrue(text.endswith("' on seletced printer '\u4e0d\u5b58\u5728 \u00e9'\n"),
                            text)


if __name__ == "__main__":
    unittest.main()
