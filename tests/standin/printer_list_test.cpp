#include "spooler/printer_list.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <winspool.h>

#include "tests/standin/standin_spooler.h"
#include "tests/support/test_support.h"

namespace {

TEST(ListPrinters, TheScopeWordSelectsFlagsAndTag) {
  struct Case {
    const wchar_t* scope;
    DWORD flags;
    const char* out;
  };
  const Case cases[] = {
      {L"local", 3, "L Office [Office] PCL\r\n"},
      {L"remote", 5, "R Laser [\\\\srv\\Laser on \\\\srv] PS\r\n"},
      {L"", 3, "L Office [Office] PCL\r\n"},
      {L"all", 3, "L Office [Office] PCL\r\n"},
      {L"Remote", 3, "L Office [Office] PCL\r\n"},
      {L"remote ", 3, "L Office [Office] PCL\r\n"},
      {L"network", 3, "L Office [Office] PCL\r\n"},
  };
  for (const Case& c : cases) {
    standin::Reset(standin::OneOfEachScope());
    std::wstring error = L"untouched";
    bool result = false;
    const std::string out = CaptureStdout([&] { result = ListPrinters(c.scope, error); });
    EXPECT_TRUE(result);
    EXPECT_EQ(error, L"untouched");
    EXPECT_EQ(out, c.out);

    const auto& calls = standin::Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].flags, c.flags);
    EXPECT_TRUE(calls[0].nullName);
    EXPECT_EQ(calls[0].level, 2u);
    EXPECT_TRUE(calls[0].nullBuffer);
    EXPECT_EQ(calls[0].bufferSize, 0u);
    EXPECT_EQ(calls[1].flags, c.flags);
    EXPECT_TRUE(calls[1].nullName);
    EXPECT_EQ(calls[1].level, 2u);
    EXPECT_FALSE(calls[1].nullBuffer);
  }
}

TEST(ListPrinters, FetchesWithExactlyTheSizeReported) {
  standin::Reset(standin::OneOfEachScope());
  std::wstring error;
  CaptureStdout([&] { ListPrinters(L"local", error); });
  const DWORD expected = sizeof(PRINTER_INFO_2W) + sizeof(L"Office") + sizeof(L"PCL");
  EXPECT_EQ(standin::Calls()[1].bufferSize, expected);
}

TEST(ListPrinters, WritesOneLinePerRecordInTheSpoolersOrder) {
  standin::Scenario scenario;
  scenario.localPrinters = {
      {L"", L"Zeta", L"", L"Driver Z"},
      {std::nullopt, L"Alpha", L"Front Desk", std::nullopt},
      {L"srv", L"Mid", std::nullopt, L""},
  };
  standin::Reset(scenario);
  std::wstring error;
  const std::string out = CaptureStdout([&] { EXPECT_TRUE(ListPrinters(L"local", error)); });
  EXPECT_EQ(out,
            "L Zeta [Zeta] Driver Z\r\n"
            "L Front Desk [Alpha] \r\n"
            "L Mid [Mid on srv] \r\n");
}

TEST(ListPrinters, NoPrintersWritesNothingAndSucceeds) {
  standin::Reset();
  std::wstring error;
  bool result = false;
  EXPECT_EQ(CaptureStdout([&] { result = ListPrinters(L"remote", error); }), "");
  EXPECT_TRUE(result);
  EXPECT_EQ(error, L"");
}

TEST(ListPrinters, AFailedFetchIsReportedWithoutASecondAttempt) {
  standin::Scenario failing = standin::OneOfEachScope();
  failing.failCall = "EnumPrintersW";
  standin::Scenario growing = standin::OneOfEachScope();
  growing.growBetweenCalls = true;  // the fetch then finds the buffer too small

  for (const standin::Scenario& scenario : {failing, growing}) {
    standin::Reset(scenario);
    std::wstring error = L"held before";
    bool result = true;
    EXPECT_EQ(CaptureStdout([&] { result = ListPrinters(L"local", error); }), "");
    EXPECT_FALSE(result);
    EXPECT_EQ(error, L"Could not Enumerate printers");
    EXPECT_EQ(standin::Calls().size(), 2u);
  }
}

TEST(ListPrinters, ListsAThousandPrintersInOrder) {
  standin::Scenario scenario;
  std::string expected;
  for (int i = 0; i < 1500; ++i) {
    const std::wstring name = L"Printer " + std::to_wstring(i);
    scenario.localPrinters.push_back({std::nullopt, name, std::nullopt, L"Drv"});
    const std::string narrow(name.begin(), name.end());
    expected += "L " + narrow + " [" + narrow + "] Drv\r\n";
  }
  standin::Reset(scenario);
  std::wstring error;
  EXPECT_EQ(CaptureStdout([&] { EXPECT_TRUE(ListPrinters(L"local", error)); }), expected);
}

TEST(ListPrinters, NamesBeyondLatin1LoseNothingAfterThem) {
  standin::Scenario scenario;
  scenario.localPrinters = {
      {std::nullopt, L"B\u00fcro", std::nullopt, L"Dr\u00fccker"},
      {std::nullopt, L"\u6253\u5370\u673a", L"\u5171\u4eab", L"CJK"},
      {L"srv", L"astral \U0001F5A8", std::nullopt, L"after"},
      {std::nullopt, L"Last", std::nullopt, L"Plain"},
  };
  standin::Reset(scenario);
  std::wstring error;
  bool result = false;
  const std::string out = CaptureStdout([&] { result = ListPrinters(L"local", error); });
  EXPECT_TRUE(result);
  EXPECT_EQ(out,
            "L B\xfcro [B\xfcro] Dr\xfc"
            "cker\r\n"
            "L ?? [???] CJK\r\n"
            "L astral ?? [astral ?? on srv] after\r\n"
            "L Last [Last] Plain\r\n");
}

}  // namespace
