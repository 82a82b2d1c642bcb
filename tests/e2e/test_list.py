"""The list command through Wine's real spooler and the private CUPS server, and through
the stand-in spooler for the printer connections that Wine does not have."""

import unittest

import cups_server
from harness import STANDIN_EXE, on_a_pipe, run, run_on_console


# Wine lists a CUPS queue with its own name as the driver name, no share and no server.
CUPS_LINES = {on_a_pipe("L %s [%s] %s\r\n" % (q, q, q)) for q in cups_server.QUEUES}


class ListCupsQueues(unittest.TestCase):
    def test_local_printers_one_complete_line_each(self):
        for args in (["-l"], ["--list", "local"], ["-l", "Remote"], ["-l", ""]):
            with self.subTest(args=args):
                status, out = run(args)
                self.assertEqual(status, 0)
                self.assertTrue(out.endswith(b"\r\n"), out)
                lines = out.splitlines(keepends=True)
                self.assertEqual(len(lines), len(cups_server.QUEUES))
                self.assertEqual(set(lines), CUPS_LINES)

    def test_connections_are_not_available_under_wine(self):
        # Wine's spooler refuses to enumerate printer connections, so "remote" fails,
        # and "all" stops after it without a local listing.
        for scope in ("remote", "all"):
            with self.subTest(scope=scope):
                self.assertEqual(run(["-l", scope]),
                                 (1, b"ERROR: Could not Enumerate printers\r\n"))

    def test_names_beyond_latin1_on_a_console(self):
        status, text = run_on_console(["-l"])
        self.assertEqual(status, 0)
        for queue in cups_server.QUEUES:
            self.assertIn("L %s [%s] %s\n" % (queue, queue, queue), text)


STANDIN_PRINTERS = ";".join([
    "remote=\\\\srv|\\\\srv\\Laser|Laser Share|HP PS",
    "remote=\\\\\u6253\u5370|\\\\\u6253\u5370\\\U0001F5A8|~|Dr\u00fccker",
    "local=~|Office|~|~",
    "local=|B\u00fcro|Front|PCL 6",
])
STANDIN_LINES = [
    "R Laser Share [\\\\srv\\Laser on \\\\srv] HP PS",
    "R \\\\\u6253\u5370\\\U0001F5A8 [\\\\\u6253\u5370\\\U0001F5A8 on \\\\\u6253\u5370] Dr\u00fccker",
    "L Office [Office] ",
    "L Front [B\u00fcro] PCL 6",
]


@unittest.skipUnless(STANDIN_EXE, "needs the program built with the stand-in spooler")
class ListConnectionsWithStandIn(unittest.TestCase):
    def run_standin(self, args, scenario, console=False):
        runner = run_on_console if console else run
        return runner(args, exe=STANDIN_EXE, extra_env={"STANDIN_SPOOLER": scenario})

    def test_all_lists_connections_then_local_printers(self):
        expected = b"".join(on_a_pipe(line + "\r\n") for line in STANDIN_LINES)
        self.assertEqual(self.run_standin(["-l", "all"], STANDIN_PRINTERS), (0, expected))

    def test_all_on_a_console_shows_every_character(self):
        status, text = self.run_standin(["-l", "all"], STANDIN_PRINTERS, console=True)
        self.assertEqual(status, 0)
        # Wine's console shows an astral character as two replacement characters, and a
        # terminal shows no trailing space.
        shown = [line.replace("\U0001F5A8", "\ufffd\ufffd").rstrip(" ") for line in STANDIN_LINES]
        self.assertEqual(text, "".join(line + "\n" for line in shown))

    def test_a_failed_local_listing_keeps_the_connection_lines(self):
        status, out = self.run_standin(["-l", "all"],
                                       STANDIN_PRINTERS + ";fail=EnumPrintersW;failflags=3")
        self.assertEqual(status, 1)
        self.assertEqual(out, on_a_pipe(STANDIN_LINES[0] + "\r\n" + STANDIN_LINES[1] + "\r\n") +
                         b"ERROR: Could not Enumerate printers\r\n")


if __name__ == "__main__":
    unittest.main()
