#include <gtest/gtest.h>

#include "spooler/printer_list.h"

namespace {

TEST(FormatPrinterLine, BuildsTheListingLine) {
  struct Case {
    const wchar_t* tag;
    const wchar_t* server;
    const wchar_t* printer;
    const wchar_t* share;
    const wchar_t* driver;
    const wchar_t* line;
  };
  const Case cases[] = {
      {L"R", L"\\\\srv", L"\\\\srv\\Laser", L"Laser Share", L"HP PCL 6",
       L"R Laser Share [\\\\srv\\Laser on \\\\srv] HP PCL 6"},
      {L"L", L"", L"Office", L"", L"Generic", L"L Office [Office] Generic"},
      {L"L", nullptr, L"Office", nullptr, L"Generic", L"L Office [Office] Generic"},
      {L"L", nullptr, L"Office", L"Front", nullptr, L"L Front [Office] "},
      {L"L", L"srv", L"Office", L"", L"", L"L Office [Office on srv] "},
      {L"R", nullptr, nullptr, nullptr, nullptr, L"R  [] "},
      {L"L", nullptr, L"\u6253\u5370\u673a", nullptr, L"D\u00fcr",
       L"L \u6253\u5370\u673a [\u6253\u5370\u673a] D\u00fcr"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatPrinterLine(c.tag, c.server, c.printer, c.share, c.driver), c.line);
  }
}

}  // namespace
