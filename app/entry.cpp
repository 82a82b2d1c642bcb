#include "app/entry.h"

#include <string>

#include "app/argument_parser.h"
#include "app/console.h"
#include "app/raw_printer_helper.h"
#include "app/usage.h"
#include "printing/print_file.h"
#include "spooler/printer_list.h"

namespace {

bool RunList(const std::wstring& scope, std::wstring& errorMessage) {
  RawPrinterHelper helper;
  if (scope == L"all") {
    // Connections first; a failed connection listing leaves the local one out.
    return ListPrinters(L"remote", errorMessage) && ListPrinters(L"local", errorMessage);
  }
  return ListPrinters(scope, errorMessage);
}

bool RunPrint(const ParsedArguments& args, std::wstring& errorMessage) {
  RawPrinterHelper helper;
  return PrintFile(errorMessage, args.printerName, args.inputFile);
}

}  // namespace

int RunQuillspool(int argc, const wchar_t* const argv[]) {
  ParsedArguments args;
  std::wstring errorMessage;
  bool success = false;

  if (!ParseArguments(argc, argv, args)) {
    ShowUsage(argv);
    return 1;
  }
  if (args.command == L"--help") {
    ShowUsage(argv);
    return 0;
  }
  if (args.command == L"--list") {
    success = RunList(args.listScope, errorMessage);
  } else if (args.command == L"--print") {
    success = RunPrint(args, errorMessage);
  }

  if (success) return 0;
  // The helper is gone by now: the error line comes after the library is freed.
  WriteLine(L"ERROR: " + errorMessage);
  return 1;
}
