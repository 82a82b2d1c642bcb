#include "app/argument_parser.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ParseCase {
  const char* name;
  std::vector<const wchar_t*> argv;  // element 0 is the program
  bool result;
  const wchar_t* command;
  const wchar_t* listScope;
  const wchar_t* inputFile;
  const wchar_t* printerName;
};

const ParseCase kCases[] = {
    {"no_arguments", {L"q.exe"}, false, L"", L"", L"", L""},
    {"program_name_alone_is_an_option_word", {L"-l"}, false, L"", L"", L"", L""},
    {"program_name_is_scanned_too", {L"-l", L"remote"}, true, L"--list", L"remote", L"", L""},
    {"long_help", {L"q", L"--help"}, true, L"--help", L"", L"", L""},
    {"short_help_stops_the_scan", {L"q", L"-h", L"-l", L"local"}, true, L"--help", L"", L"", L""},
    {"list_without_scope", {L"q", L"-l"}, true, L"--list", L"", L"", L""},
    {"long_list_with_scope", {L"q", L"--list", L"all"}, true, L"--list", L"all", L"", L""},
    {"list_scope_is_not_checked", {L"q", L"-l", L"Remote"}, true, L"--list", L"Remote", L"", L""},
    {"list_with_empty_scope", {L"q", L"-l", L""}, true, L"--list", L"", L"", L""},
    {"unknown_words_then_list", {L"q", L"x", L"-x", L"--list"}, true, L"--list", L"", L"", L""},
    {"list_takes_option_word_as_scope", {L"q", L"-l", L"-p"}, true, L"--list", L"-p", L"", L""},
    {"list_takes_help_as_scope", {L"q", L"-l", L"-h"}, true, L"--list", L"-h", L"", L""},
    {"first_option_wins",
     {L"q", L"-l", L"remote", L"-p", L"f", L"p"},
     true,
     L"--list",
     L"remote",
     L"",
     L""},
    {"print",
     {L"q", L"-p", L"a.pdf", L"My Printer"},
     true,
     L"--print",
     L"",
     L"a.pdf",
     L"My Printer"},
    {"long_print_ignores_further_words",
     {L"q", L"--print", L"a.pdf", L"P", L"extra", L"-h"},
     true,
     L"--print",
     L"",
     L"a.pdf",
     L"P"},
    {"print_takes_option_word_as_file",
     {L"q", L"-p", L"-l", L"P"},
     true,
     L"--print",
     L"",
     L"-l",
     L"P"},
    {"print_alone", {L"q", L"-p"}, false, L"--print", L"", L"", L""},
    {"print_with_one_word", {L"q", L"-p", L"a.pdf"}, false, L"--print", L"", L"a.pdf", L""},
    {"print_with_empty_file", {L"q", L"-p", L"", L"P"}, false, L"--print", L"", L"", L"P"},
    {"print_with_empty_printer",
     {L"q", L"-p", L"a.pdf", L""},
     false,
     L"--print",
     L"",
     L"a.pdf",
     L""},
    {"capitals", {L"q", L"-L", L"--HELP", L"-P"}, false, L"", L"", L"", L""},
    {"attached_value", {L"q", L"--list=all", L"-l=all"}, false, L"", L"", L"", L""},
    {"single_dash_long_form", {L"q", L"-help", L"-list", L"-print"}, false, L"", L"", L"", L""},
    {"slash_options", {L"q", L"/h", L"/l", L"/?"}, false, L"", L"", L"", L""},
    {"spaces_are_not_trimmed", {L"q", L" -h", L"-l "}, false, L"", L"", L"", L""},
    {"prefix_is_no_match", {L"q", L"--hel", L"--lists"}, false, L"", L"", L"", L""},
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

class ParseArgumentsTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseArgumentsTest, FillsTheRecord) {
  const ParseCase& c = GetParam();
  ParsedArguments args;
  const bool result = ParseArguments(static_cast<int>(c.argv.size()), c.argv.data(), args);
  EXPECT_EQ(result, c.result);
  EXPECT_EQ(args.command, c.command);
  EXPECT_EQ(args.listScope, c.listScope);
  EXPECT_EQ(args.inputFile, c.inputFile);
  EXPECT_EQ(args.printerName, c.printerName);
}

INSTANTIATE_TEST_SUITE_P(Table, ParseArgumentsTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ParseCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ParseArguments, ReadsNothingBeyondTheCount) {
  // The element at argc is not a string at all; reading it would crash.
  const wchar_t* argv[] = {L"q", L"-p", L"file", reinterpret_cast<const wchar_t*>(1)};
  ParsedArguments args;
  EXPECT_FALSE(ParseArguments(3, argv, args));
  EXPECT_EQ(args.inputFile, L"file");
  EXPECT_EQ(args.printerName, L"");
}

TEST(ParseArguments, ZeroOrNegativeCountExaminesNothing) {
  for (int argc : {0, -1}) {
    ParsedArguments args;
    EXPECT_FALSE(ParseArguments(argc, nullptr, args));
    EXPECT_EQ(args.command, L"");
  }
}

TEST(ParseArguments, ReplacesRatherThanAppends) {
  const wchar_t* argv[] = {L"q", L"-p", L"new.pdf", L"New"};
  ParsedArguments args{L"--list", L"old", L"old.pdf", L"Old"};
  EXPECT_TRUE(ParseArguments(4, argv, args));
  EXPECT_EQ(args.command, L"--print");
  EXPECT_EQ(args.inputFile, L"new.pdf");
  EXPECT_EQ(args.printerName, L"New");
}

}  // namespace
