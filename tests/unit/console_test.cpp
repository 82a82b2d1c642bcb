#include "app/console.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace {

TEST(ToOutputBytes, EachUnitBecomesOneByte) {
  struct Case {
    std::wstring text;
    std::string bytes;
  };
  const Case cases[] = {
      {L"", ""},
      {L"plain ASCII", "plain ASCII"},
      {L"B\u00fcro \u00ff\u0001", std::string("B\xfcro \xff\x01")},
      {std::wstring(L"nul\0inside", 10), std::string("nul\0inside", 10)},
      {L"\u6253\u5370\u673a", "???"},
      {L"\u0100 and \u0178", "? and ?"},        // just above the range
      {L"pre \U0001F5A8 post", "pre ?? post"},  // a surrogate pair is two units
  };
  for (const Case& c : cases) EXPECT_EQ(ToOutputBytes(c.text), c.bytes);
}

TEST(WriteLine, KeepsOrderAndLosesNothingOnAFile) {
  const std::string out = CaptureStdout([] {
    WriteLine("narrow one");
    WriteLine(L"wide \u6253 then more");
    WriteLine("narrow two");
    WriteLine(L"B\u00fcro");
    WriteLine(L"");
  });
  EXPECT_EQ(out, "narrow one\r\nwide ? then more\r\nnarrow two\r\nB\xfcro\r\n\r\n");
}

}  // namespace
