#include "printing/print_file.h"

#include <gtest/gtest.h>

#include "tests/standin/standin_spooler.h"
#include "tests/support/test_support.h"

namespace {

class PrintFileTest : public testing::Test {
 protected:
  ScratchFolder scratch_;
  const std::wstring folder_ = scratch_.path();
};

TEST_F(PrintFileTest, SendsTheFileUnchangedAsOneJob) {
  std::string bytes("%PDF-1.4\r\n\x00\x1a\xff\rend\n", 18);
  const std::wstring path = folder_ + L"doc \u6253\u5370.pdf";
  ASSERT_TRUE(WriteBytes(path, bytes));
  standin::Reset();
  std::wstring error;
  EXPECT_TRUE(PrintFile(error, L"Office", path));
  EXPECT_EQ(error, L"");  // left as it was
  ASSERT_EQ(standin::Calls().size(), 7u);
  EXPECT_EQ(standin::Calls()[0].printerName, L"Office");
  EXPECT_EQ(standin::Calls()[3].bytes, bytes);
}

TEST_F(PrintFileTest, AnUnreadableFileNeverContactsThePrinter) {
  ASSERT_TRUE(WriteBytes(folder_ + L"empty.pdf", ""));
  for (const std::wstring& path : {folder_ + L"missing.pdf", folder_ + L"empty.pdf"}) {
    standin::Scenario unknownPrinter;
    unknownPrinter.failCall = "OpenPrinterW";
    standin::Reset(unknownPrinter);
    std::wstring error = L"held before";
    EXPECT_FALSE(PrintFile(error, L"No Such Printer", path));
    EXPECT_EQ(error, L"Cannot read input file");
    EXPECT_TRUE(standin::Calls().empty());
  }
}

TEST_F(PrintFileTest, AFailedJobNamesTheFileAsTypedAndThePrinter) {
  struct Case {
    const char* failCall;
    std::wstring file;
    std::wstring printer;
  };
  const Case cases[] = {
      {"OpenPrinterW", L"a.pdf", L"Nope"},
      {"StartDocPrinterW", L"it's.pdf", L"Bob's 'printer'"},
      {"StartPagePrinter", L".\\sub/..\\a.pdf", L"\\\\srv\\q"},
      {"WritePrinter", L"\u6253\u5370.pdf", L"B\u00fcro \U0001F5A8"},
      {"EndDocPrinter", L"a.pdf", L"Office"},
  };
  CreateDirectoryW((folder_ + L"sub").c_str(), nullptr);
  for (const Case& c : cases) {
    ASSERT_TRUE(WriteBytes(folder_ + c.file, "data"));
    standin::Scenario scenario;
    scenario.failCall = c.failCall;
    standin::Reset(scenario);
    std::wstring error = L"held before";
    EXPECT_FALSE(PrintFile(error, c.printer, folder_ + c.file)) << c.failCall;
    EXPECT_EQ(error, L"Cannot print provided file '" + folder_ + c.file +
                         L"' on seletced printer '" + c.printer + L"'");
  }
}

TEST_F(PrintFileTest, AShortWriteIsAFailedJob) {
  ASSERT_TRUE(WriteBytes(folder_ + L"a.ps", "%!PS"));
  standin::Scenario scenario;
  scenario.shortWrite = true;
  standin::Reset(scenario);
  std::wstring error;
  EXPECT_FALSE(PrintFile(error, L"P", folder_ + L"a.ps"));
  EXPECT_EQ(error, L"Cannot print provided file '" + folder_ + L"a.ps' on seletced printer 'P'");
}

}  // namespace
