// Keeps the spooler library loaded while a list or print command runs.
#pragma once

#include <windows.h>

class RawPrinterHelper {
 public:
  RawPrinterHelper();
  virtual ~RawPrinterHelper();

  RawPrinterHelper(const RawPrinterHelper&) = delete;
  RawPrinterHelper& operator=(const RawPrinterHelper&) = delete;

 private:
  // The spooler functions are imported at load time; this is one more reference, and
  // a failed load is deliberately not reported: the commands do not depend on it.
  HMODULE module_;
};
