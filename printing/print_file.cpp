#include "printing/print_file.h"

#include <windows.h>

#include "printing/input_file.h"
#include "spooler/raw_print_job.h"

bool PrintFile(std::wstring& errorMessage, std::wstring printerName, std::wstring inputFile) {
  // The loader's own message, so that a failed read is told apart from whatever the
  // caller's message held before.
  std::wstring readError;
  ByteBuffer contents = ReadInputFile(readError, inputFile);
  if (!readError.empty()) {
    errorMessage = readError;
    return false;
  }

  // The loader refuses files whose size does not fit the spooler's 32-bit count.
  const bool printed =
      PrintRawData(printerName, contents.data(), static_cast<DWORD>(contents.size));
  if (!printed) {
    errorMessage = L"Cannot print provided file '" + inputFile + L"' on seletced printer '" +
                   printerName + L"'";
  }
  return printed;
}
