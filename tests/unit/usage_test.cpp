#include "app/usage.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace {

std::string Screen(const std::string& exampleLineStart) {
  return "Version  : Quillspool 1.1\r\n"
         "\r\n"
         "Print any binary file directly on printer without performing any conversion. Very "
         "usefull for PDF/PS files printing.\r\n"
         "\r\n"
         "Usage: \r\n" +
         exampleLineStart +
         " -p \"C:\\mypdffile.pdf\" \"my printer name\"\r\n"
         "\r\n"
         "Options:\r\n"
         "  --help|-h  - Show this help\r\n"
         "  --list|-l [local|remote|all] - Show list of available printers. Follow -l by "
         "'local' to show local printers or 'remote' to show network printers.\r\n"
         "  --print|-p <input file> <printername> - Print <input file> on printer "
         "<printername>\r\n";
}

TEST(ShowUsage, WritesTheScreenWithTheProgramNameAsReceived) {
  struct Case {
    const wchar_t* program;
    std::string shown;
  };
  const Case cases[] = {
      {L"quillspool", "quillspool"},
      {L"C:\\Program Files\\Quill Spool\\quillspool.exe",
       "C:\\Program Files\\Quill Spool\\quillspool.exe"},
      {L"..\\bin/QUILLSPOOL.EXE", "..\\bin/QUILLSPOOL.EXE"},
      {L"", ""},
      {L"D\u00e9p\u00f4t\\q.exe", "D\xe9p\xf4t\\q.exe"},
      {L"\u6253\u5370\\q.exe", "??\\q.exe"},
  };
  for (const Case& c : cases) {
    const wchar_t* argv[] = {c.program, nullptr};
    EXPECT_EQ(CaptureStdout([&] { ShowUsage(argv); }), Screen(c.shown)) << c.shown;
  }
}

}  // namespace
