#include "spooler/raw_print_job.h"

#include <winspool.h>

bool PrintRawData(std::wstring printerName, const void* data, DWORD length) {
  HANDLE printer = nullptr;
  DWORD written = 0;

  if (!OpenPrinterW(printerName.data(), &printer, nullptr)) return false;

  wchar_t docName[] = L"My Document";
  wchar_t datatype[] = L"RAW";
  DOC_INFO_1W docInfo = {docName, nullptr, datatype};

  bool complete = false;
  bool accepted = false;
  if (StartDocPrinterW(printer, 1, reinterpret_cast<BYTE*>(&docInfo)) != 0) {
    if (StartPagePrinter(printer)) {
      // One write of the whole block: no copy, no chunks, no loop over partial writes.
      const BOOL wrote = WritePrinter(printer, const_cast<void*>(data), length, &written);
      complete = wrote && written == length;
      EndPagePrinter(printer);
    }
    // Only the end of the document hands the job over; a refusal there means no job.
    accepted = EndDocPrinter(printer) != 0;
  }
  ClosePrinter(printer);
  return complete && accepted;
}
