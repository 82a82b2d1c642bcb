#include "app/argument_parser.h"

#include <cwchar>

namespace {

struct OptionWord {
  const wchar_t* word;
  const wchar_t* command;
};

// Compared in this order; the first argument that matches one ends the scan.
constexpr OptionWord kOptions[] = {
    {L"--help", L"--help"}, {L"-h", L"--help"},       {L"--list", L"--list"},
    {L"-l", L"--list"},     {L"--print", L"--print"}, {L"-p", L"--print"},
};

const wchar_t* CommandFor(const wchar_t* argument) {
  for (const OptionWord& option : kOptions) {
    if (std::wcscmp(argument, option.word) == 0) return option.command;
  }
  return nullptr;
}

}  // namespace

bool ParseArguments(int argc, const wchar_t* const argv[], ParsedArguments& args) {
  if (argc <= 1) return false;

  // argv[0] is examined like every other argument.
  for (int i = 0; i < argc; ++i) {
    const wchar_t* command = CommandFor(argv[i]);
    if (command == nullptr) continue;

    args.command = command;
    if (args.command == L"--help") return true;
    if (args.command == L"--list") {
      if (i + 1 < argc) args.listScope = argv[i + 1];
      return true;
    }
    if (i + 1 < argc) args.inputFile = argv[i + 1];
    if (i + 2 < argc) args.printerName = argv[i + 2];
    return !args.inputFile.empty() && !args.printerName.empty();
  }
  return false;
}
