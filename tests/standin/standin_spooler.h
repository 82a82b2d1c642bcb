// A stand-in for the Windows print spooler, linked into test binaries in place of winspool.
// It records every call the program makes and answers as the scenario says.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace standin {

using Name = std::optional<std::wstring>;  // nullopt stands for a null pointer

struct Printer {
  Name server;
  Name printer;
  Name share;
  Name driver;
};

struct Scenario {
  std::vector<Printer> localPrinters;       // PRINTER_ENUM_LOCAL
  std::vector<Printer> connectionPrinters;  // PRINTER_ENUM_CONNECTIONS
  // The one call that fails: "OpenPrinterW", "StartDocPrinterW", "StartPagePrinter",
  // "WritePrinter", "EndPagePrinter", "EndDocPrinter", "ClosePrinter", or "EnumPrintersW"
  // (the fetching call only) for the flag value in failEnumFlags (0: every flag value).
  std::string failCall;
  DWORD failEnumFlags = 0;
  bool shortWrite = false;        // WritePrinter succeeds but reports one byte fewer
  bool growBetweenCalls = false;  // a printer appears after the sizing call
  bool keepWrittenBytes = true;
};

struct Call {
  std::string name;
  HANDLE handle = nullptr;
  bool libraryLoaded = false;  // winspool.drv was loaded when the call came
  // EnumPrintersW
  DWORD flags = 0;
  bool nullName = false;
  DWORD level = 0;
  bool nullBuffer = false;
  DWORD bufferSize = 0;
  // OpenPrinterW
  std::wstring printerName;
  bool nullDefaults = false;
  // StartDocPrinterW
  Name docName;
  Name outputFile;
  Name datatype;
  // WritePrinter
  const void* data = nullptr;
  DWORD length = 0;
  std::string bytes;
};

// A local printer "Office" and a connection "\\srv\Laser" shared as "Laser".
Scenario OneOfEachScope();

// Starts afresh: the scenario replaces the old one and the call log is emptied.
void Reset(const Scenario& scenario = Scenario());
const std::vector<Call>& Calls();
std::vector<std::string> CallNames();

// Reads a scenario from STANDIN_SPOOLER, for the stand-in program:
// "fail=NAME;failflags=N;short;local=S|P|Q|D;remote=S|P|Q|D;..." where a field
// written as "~" is a null pointer.
Scenario ScenarioFromEnvironment();

}  // namespace standin
