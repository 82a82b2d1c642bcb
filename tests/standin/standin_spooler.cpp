#include "tests/standin/standin_spooler.h"

#include <winspool.h>

#include <cstring>

namespace standin {
namespace {

Scenario scenario;
std::vector<Call> calls;

HANDLE const kHandle = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(0x5150));

Call& Record(const char* name, HANDLE handle = nullptr) {
  Call call;
  call.name = name;
  call.handle = handle;
  call.libraryLoaded = GetModuleHandleW(L"winspool.drv") != nullptr;
  calls.push_back(call);
  return calls.back();
}

bool Fails(const char* name) { return scenario.failCall == name; }

Name Copy(const wchar_t* text) { return text ? Name(text) : std::nullopt; }

std::vector<Printer> PrintersFor(DWORD flags) {
  std::vector<Printer> printers;
  if (flags & PRINTER_ENUM_CONNECTIONS) printers = scenario.connectionPrinters;
  if (flags & PRINTER_ENUM_LOCAL) {
    printers.insert(printers.end(), scenario.localPrinters.begin(), scenario.localPrinters.end());
  }
  return printers;
}

std::size_t StringBytes(const Name& name) {
  return name ? (name->size() + 1) * sizeof(wchar_t) : 0;
}

DWORD BytesNeeded(const std::vector<Printer>& printers) {
  std::size_t bytes = printers.size() * sizeof(PRINTER_INFO_2W);
  for (const Printer& p : printers) {
    bytes += StringBytes(p.server) + StringBytes(p.printer) + StringBytes(p.share) +
             StringBytes(p.driver);
  }
  return static_cast<DWORD>(bytes);
}

// Lays the records out as the spooler does: the array first, the strings after it.
void Fill(const std::vector<Printer>& printers, BYTE* buffer) {
  auto* records = reinterpret_cast<PRINTER_INFO_2W*>(buffer);
  BYTE* strings = buffer + printers.size() * sizeof(PRINTER_INFO_2W);
  auto place = [&strings](const Name& name) -> LPWSTR {
    if (!name) return nullptr;
    auto* text = reinterpret_cast<LPWSTR>(strings);
    std::memcpy(strings, name->c_str(), StringBytes(name));
    strings += StringBytes(name);
    return text;
  };
  for (std::size_t i = 0; i < printers.size(); ++i) {
    PRINTER_INFO_2W record = {};
    record.pServerName = place(printers[i].server);
    record.pPrinterName = place(printers[i].printer);
    record.pShareName = place(printers[i].share);
    record.pDriverName = place(printers[i].driver);
    std::memcpy(&records[i], &record, sizeof record);
  }
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::wstring::npos) return parts;
    start = end + 1;
  }
}

Printer ParsePrinter(const std::wstring& text) {
  std::vector<std::wstring> fields = Split(text, L'|');
  fields.resize(4);
  auto field = [](const std::wstring& f) { return f == L"~" ? std::nullopt : Name(f); };
  return {field(fields[0]), field(fields[1]), field(fields[2]), field(fields[3])};
}

}  // namespace

Scenario OneOfEachScope() {
  Scenario scenario;
  scenario.localPrinters = {{std::nullopt, L"Office", std::nullopt, L"PCL"}};
  scenario.connectionPrinters = {{L"\\\\srv", L"\\\\srv\\Laser", L"Laser", L"PS"}};
  return scenario;
}

void Reset(const Scenario& next) {
  scenario = next;
  calls.clear();
}

const std::vector<Call>& Calls() { return calls; }

std::vector<std::string> CallNames() {
  std::vector<std::string> names;
  for (const Call& call : calls) names.push_back(call.name);
  return names;
}

Scenario ScenarioFromEnvironment() {
  Scenario result;
  wchar_t value[32768];
  const DWORD length = GetEnvironmentVariableW(L"STANDIN_SPOOLER", value, 32768);
  if (length == 0 || length >= 32768) return result;
  for (const std::wstring& entry : Split(std::wstring(value, length), L';')) {
    const std::size_t equals = entry.find(L'=');
    const std::wstring key = entry.substr(0, equals);
    const std::wstring arg = equals == std::wstring::npos ? L"" : entry.substr(equals + 1);
    if (key == L"fail") result.failCall.assign(arg.begin(), arg.end());
    if (key == L"failflags") result.failEnumFlags = std::wcstoul(arg.c_str(), nullptr, 10);
    if (key == L"short") result.shortWrite = true;
    if (key == L"local") result.localPrinters.push_back(ParsePrinter(arg));
    if (key == L"remote") result.connectionPrinters.push_back(ParsePrinter(arg));
    if (key == L"discard") result.keepWrittenBytes = false;
  }
  return result;
}

}  // namespace standin

using namespace standin;

BOOL WINAPI EnumPrintersW(DWORD Flags, LPWSTR Name, DWORD Level, LPBYTE pPrinterEnum, DWORD cbBuf,
                          LPDWORD pcbNeeded, LPDWORD pcReturned) {
  Call& call = Record("EnumPrintersW");
  call.flags = Flags;
  call.nullName = Name == nullptr;
  call.level = Level;
  call.nullBuffer = pPrinterEnum == nullptr;
  call.bufferSize = cbBuf;

  const bool sizing = pPrinterEnum == nullptr;
  std::vector<Printer> printers = PrintersFor(Flags);
  if (!sizing && scenario.growBetweenCalls) printers.push_back({L"", L"Added", L"", L"Driver"});
  const DWORD needed = BytesNeeded(printers);
  *pcbNeeded = needed;
  *pcReturned = 0;
  if (sizing) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  if (Fails("EnumPrintersW") && (scenario.failEnumFlags == 0 || scenario.failEnumFlags == Flags)) {
    return FALSE;
  }
  if (cbBuf < needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  Fill(printers, pPrinterEnum);
  *pcReturned = static_cast<DWORD>(printers.size());
  return TRUE;
}

BOOL WINAPI OpenPrinterW(LPWSTR pPrinterName, LPHANDLE phPrinter, LPPRINTER_DEFAULTSW pDefault) {
  Call& call = Record("OpenPrinterW");
  call.printerName = pPrinterName ? pPrinterName : L"";
  call.nullDefaults = pDefault == nullptr;
  if (Fails("OpenPrinterW")) return FALSE;
  *phPrinter = kHandle;
  return TRUE;
}

DWORD WINAPI StartDocPrinterW(HANDLE hPrinter, DWORD Level, LPBYTE pDocInfo) {
  Call& call = Record("StartDocPrinterW", hPrinter);
  call.level = Level;
  const auto* info = reinterpret_cast<const DOC_INFO_1W*>(pDocInfo);
  call.docName = Copy(info->pDocName);
  call.outputFile = Copy(info->pOutputFile);
  call.datatype = Copy(info->pDatatype);
  return Fails("StartDocPrinterW") ? 0 : 42;
}

BOOL WINAPI StartPagePrinter(HANDLE hPrinter) {
  Record("StartPagePrinter", hPrinter);
  return !Fails("StartPagePrinter");
}

BOOL WINAPI WritePrinter(HANDLE hPrinter, LPVOID pBuf, DWORD cbBuf, LPDWORD pcWritten) {
  Call& call = Record("WritePrinter", hPrinter);
  call.data = pBuf;
  call.length = cbBuf;
  if (scenario.keepWrittenBytes) call.bytes.assign(static_cast<const char*>(pBuf), cbBuf);
  if (Fails("WritePrinter")) return FALSE;
  *pcWritten = scenario.shortWrite && cbBuf > 0 ? cbBuf - 1 : cbBuf;
  return TRUE;
}

BOOL WINAPI EndPagePrinter(HANDLE hPrinter) {
  Record("EndPagePrinter", hPrinter);
  return !Fails("EndPagePrinter");
}

BOOL WINAPI EndDocPrinter(HANDLE hPrinter) {
  Record("EndDocPrinter", hPrinter);
  return !Fails("EndDocPrinter");
}

BOOL WINAPI ClosePrinter(HANDLE hPrinter) {
  Record("ClosePrinter", hPrinter);
  return !Fails("ClosePrinter");
}
