#include "app/entry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "tests/standin/standin_spooler.h"
#include "tests/support/test_support.h"

namespace {

struct Outcome {
  int status;
  std::string out;
};

Outcome RunWith(std::vector<const wchar_t*> argv) {
  Outcome run{};
  run.out = CaptureStdout(
      [&] { run.status = RunQuillspool(static_cast<int>(argv.size()), argv.data()); });
  return run;
}

bool SpoolerLibraryLoaded() { return GetModuleHandleW(L"winspool.drv") != nullptr; }

const char kScreenStart[] = "Version  : Quillspool 1.1\r\n";

TEST(RunQuillspool, HelpAndWrongUsageShowTheScreenWithoutTheSpooler) {
  struct Case {
    std::vector<const wchar_t*> argv;
    int status;
  };
  const Case cases[] = {
      {{L"q"}, 1},
      {{L"q", L"print", L"x"}, 1},
      {{L"q", L"-p", L"file.pdf"}, 1},
      {{L"q", L"-p", L"", L"printer"}, 1},
      {{L"q", L"-h"}, 0},
      {{L"q", L"--help", L"-l"}, 0},
  };
  const std::string screen = RunWith({L"q", L"-h"}).out;
  ASSERT_EQ(screen.rfind(kScreenStart, 0), 0u);
  for (const Case& c : cases) {
    standin::Reset();
    const Outcome run = RunWith(c.argv);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, screen);  // the same bytes, help or wrong usage
    EXPECT_TRUE(standin::Calls().empty());
    EXPECT_FALSE(SpoolerLibraryLoaded());
  }
}

TEST(RunQuillspool, ListsTheScopeAskedFor) {
  struct Case {
    std::vector<const wchar_t*> argv;
    std::vector<DWORD> fetchFlags;
    const char* out;
  };
  const char local[] = "L Office [Office] PCL\r\n";
  const char remote[] = "R Laser [\\\\srv\\Laser on \\\\srv] PS\r\n";
  const Case cases[] = {
      {{L"q", L"-l"}, {3}, local},
      {{L"q", L"--list", L"local"}, {3}, local},
      {{L"q", L"-l", L"remote"}, {5}, remote},
      {{L"q", L"-l", L"All"}, {3}, local},
      {{L"q", L"-l", L"all"},
       {5, 3},
       "R Laser [\\\\srv\\Laser on \\\\srv] PS\r\nL Office [Office] PCL\r\n"},
  };
  for (const Case& c : cases) {
    standin::Reset(standin::OneOfEachScope());
    const Outcome run = RunWith(c.argv);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, c.out);
    std::vector<DWORD> fetchFlags;
    for (const standin::Call& call : standin::Calls()) {
      EXPECT_TRUE(call.libraryLoaded) << call.name;
      if (!call.nullBuffer) fetchFlags.push_back(call.flags);
    }
    EXPECT_EQ(fetchFlags, c.fetchFlags);
    EXPECT_FALSE(SpoolerLibraryLoaded());  // freed when the command ended
  }
}

TEST(RunQuillspool, AFailedListingEndsWithOneErrorLine) {
  struct Case {
    const wchar_t* scope;
    DWORD failFlags;
    std::vector<DWORD> fetchFlags;
    const char* out;
  };
  const Case cases[] = {
      {L"local", 3, {3}, "ERROR: Could not Enumerate printers\r\n"},
      // A failed connection listing leaves the local listing out.
      {L"all", 5, {5}, "ERROR: Could not Enumerate printers\r\n"},
      // The connection lines already written stay.
      {L"all",
       3,
       {5, 3},
       "R Laser [\\\\srv\\Laser on \\\\srv] PS\r\nERROR: Could not Enumerate printers\r\n"},
  };
  for (const Case& c : cases) {
    standin::Scenario scenario = standin::OneOfEachScope();
    scenario.failCall = "EnumPrintersW";
    scenario.failEnumFlags = c.failFlags;
    standin::Reset(scenario);
    const Outcome run = RunWith({L"q", L"-l", c.scope});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, c.out);
    std::vector<DWORD> fetchFlags;
    for (const standin::Call& call : standin::Calls()) {
      if (!call.nullBuffer) fetchFlags.push_back(call.flags);
    }
    EXPECT_EQ(fetchFlags, c.fetchFlags);
  }
}

TEST(RunQuillspool, PrintsAndReportsFailuresWithOneErrorLine) {
  ScratchFolder scratch;
  const std::wstring folder = scratch.path();
  const std::wstring file = folder + L"doc.pdf";
  ASSERT_TRUE(WriteBytes(file, "%PDF"));
  const std::string shownFile(file.begin(), file.end());

  standin::Reset();
  Outcome run = RunWith({L"q", L"-p", file.c_str(), L"Office"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  ASSERT_EQ(standin::Calls().size(), 7u);
  EXPECT_EQ(standin::Calls()[0].printerName, L"Office");
  EXPECT_TRUE(standin::Calls()[0].libraryLoaded);
  EXPECT_EQ(standin::Calls()[3].bytes, "%PDF");
  EXPECT_FALSE(SpoolerLibraryLoaded());

  standin::Scenario unknown;
  unknown.failCall = "OpenPrinterW";
  standin::Reset(unknown);
  run = RunWith({L"q", L"-p", file.c_str(), L"Nope \u6253"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "ERROR: Cannot print provided file '" + shownFile +
                         "' on seletced printer 'Nope ?'\r\n");

  standin::Reset();
  run = RunWith({L"q", L"-p", (folder + L"missing.pdf").c_str(), L"Office"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "ERROR: Cannot read input file\r\n");
  EXPECT_TRUE(standin::Calls().empty());
}

}  // namespace
