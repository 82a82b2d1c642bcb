#include "spooler/printer_list.h"

#include <windows.h>
#include <winspool.h>

#include <memory>
#include <new>

#include "app/console.h"

namespace {

std::wstring_view OrEmpty(const wchar_t* text) { return text ? text : L""; }

}  // namespace

std::wstring FormatPrinterLine(const std::wstring& tag, const wchar_t* serverName,
                               const wchar_t* printerName, const wchar_t* shareName,
                               const wchar_t* driverName) {
  std::wstring line = tag;
  line += L' ';
  line += OrEmpty(shareName).empty() ? OrEmpty(printerName) : OrEmpty(shareName);
  line += L" [";
  line += OrEmpty(printerName);
  if (!OrEmpty(serverName).empty()) {
    line += L" on ";
    line += OrEmpty(serverName);
  }
  line += L"] ";
  line += OrEmpty(driverName);
  return line;
}

bool ListPrinters(const std::wstring& scope, std::wstring& errorMessage) {
  std::wstring tag = L"L";
  DWORD flags = PRINTER_ENUM_DEFAULT | PRINTER_ENUM_LOCAL;
  // "remote" means the user's printer connections, not PRINTER_ENUM_REMOTE.
  if (scope == L"remote") {
    flags = PRINTER_ENUM_DEFAULT | PRINTER_ENUM_CONNECTIONS;
    tag = L"R";
  }

  DWORD needed = 0;
  DWORD count = 0;
  EnumPrintersW(flags, nullptr, 2, nullptr, 0, &needed, &count);

  // A request for zero bytes still yields a valid buffer. One that cannot be had is
  // reported like a failed listing rather than ending the process.
  std::unique_ptr<BYTE[]> buffer(new (std::nothrow) BYTE[needed]);
  if (!buffer || !EnumPrintersW(flags, nullptr, 2, buffer.get(), needed, &needed, &count)) {
    errorMessage = L"Could not Enumerate printers";
    return false;
  }

  const auto* printers = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.get());
  for (DWORD i = 0; i < count; ++i) {
    const PRINTER_INFO_2W& printer = printers[i];
    WriteLine(FormatPrinterLine(tag, printer.pServerName, printer.pPrinterName, printer.pShareName,
                                printer.pDriverName));
  }
  return true;
}
