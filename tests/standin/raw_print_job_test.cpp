#include "spooler/raw_print_job.h"

#include <gtest/gtest.h>

#include "tests/standin/standin_spooler.h"

namespace {

using Names = std::vector<std::string>;

struct SequenceCase {
  const char* name;
  std::string failCall;
  bool shortWrite;
  Names calls;
  bool result;
};

const SequenceCase kSequences[] = {
    {"complete",
     "",
     false,
     {"OpenPrinterW", "StartDocPrinterW", "StartPagePrinter", "WritePrinter", "EndPagePrinter",
      "EndDocPrinter", "ClosePrinter"},
     true},
    {"unknown_printer", "OpenPrinterW", false, {"OpenPrinterW"}, false},
    {"document_refused",
     "StartDocPrinterW",
     false,
     {"OpenPrinterW", "StartDocPrinterW", "ClosePrinter"},
     false},
    {"page_refused",
     "StartPagePrinter",
     false,
     {"OpenPrinterW", "StartDocPrinterW", "StartPagePrinter", "EndDocPrinter", "ClosePrinter"},
     false},
    {"write_failed",
     "WritePrinter",
     false,
     {"OpenPrinterW", "StartDocPrinterW", "StartPagePrinter", "WritePrinter", "EndPagePrinter",
      "EndDocPrinter", "ClosePrinter"},
     false},
    {"short_write",
     "",
     true,
     {"OpenPrinterW", "StartDocPrinterW", "StartPagePrinter", "WritePrinter", "EndPagePrinter",
      "EndDocPrinter", "ClosePrinter"},
     false},
    // The end of the document is where the spooler takes the job; a refusal is no job.
    {"document_not_accepted",
     "EndDocPrinter",
     false,
     {"OpenPrinterW", "StartDocPrinterW", "StartPagePrinter", "WritePrinter", "EndPagePrinter",
      "EndDocPrinter", "ClosePrinter"},
     false},
    {"page_end_ignored",
     "EndPagePrinter",
     false,
     {"OpenPrinterW", "StartDocPrinterW", "StartPagePrinter", "WritePrinter", "EndPagePrinter",
      "EndDocPrinter", "ClosePrinter"},
     true},
    {"close_ignored",
     "ClosePrinter",
     false,
     {"OpenPrinterW", "StartDocPrinterW", "StartPagePrinter", "WritePrinter", "EndPagePrinter",
      "EndDocPrinter", "ClosePrinter"},
     true},
};

void PrintTo(const SequenceCase& c, std::ostream* os) { *os << c.name; }

class PrintRawDataSequence : public testing::TestWithParam<SequenceCase> {};

TEST_P(PrintRawDataSequence, MakesTheCallsInOrderAndDecides) {
  const SequenceCase& c = GetParam();
  standin::Scenario scenario;
  scenario.failCall = c.failCall;
  scenario.shortWrite = c.shortWrite;
  standin::Reset(scenario);

  const char data[] = "%!PS\n";
  EXPECT_EQ(PrintRawData(L"Office", data, 5), c.result);
  EXPECT_EQ(standin::CallNames(), c.calls);
}

INSTANTIATE_TEST_SUITE_P(Table, PrintRawDataSequence, testing::ValuesIn(kSequences),
                         [](const testing::TestParamInfo<SequenceCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(PrintRawData, HandsOverTheNameTheDocumentAndTheBlockUnchanged) {
  standin::Reset();
  std::string block;
  for (int i = 0; i < 256; ++i) block += static_cast<char>(i);
  block += "\r\n\x1a";
  const std::wstring printer = L"  \\\\srv\\B\u00fcro \u6253\u5370 'x' ";

  ASSERT_TRUE(PrintRawData(printer, block.data(), static_cast<DWORD>(block.size())));

  const auto& calls = standin::Calls();
  ASSERT_EQ(calls.size(), 7u);
  EXPECT_EQ(calls[0].printerName, printer);
  EXPECT_TRUE(calls[0].nullDefaults);
  EXPECT_EQ(calls[1].level, 1u);
  EXPECT_EQ(calls[1].docName, L"My Document");
  EXPECT_EQ(calls[1].outputFile, std::nullopt);
  EXPECT_EQ(calls[1].datatype, L"RAW");
  // One write, of the caller's own block, not a copy.
  EXPECT_EQ(calls[3].data, block.data());
  EXPECT_EQ(calls[3].length, block.size());
  EXPECT_EQ(calls[3].bytes, block);
  for (std::size_t i = 1; i < calls.size(); ++i) {
    EXPECT_NE(calls[i].handle, nullptr) << calls[i].name;
    EXPECT_EQ(calls[i].handle, calls[1].handle) << calls[i].name;
  }
}

TEST(PrintRawData, AnEmptyBlockStillRunsTheWholeJob) {
  standin::Reset();
  EXPECT_TRUE(PrintRawData(L"Office", "", 0));
  ASSERT_EQ(standin::Calls().size(), 7u);
  EXPECT_EQ(standin::Calls()[3].length, 0u);
}

}  // namespace
