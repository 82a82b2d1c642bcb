#include "app/raw_printer_helper.h"

RawPrinterHelper::RawPrinterHelper() : module_(LoadLibraryW(L"winspool.Drv")) {}

RawPrinterHelper::~RawPrinterHelper() { FreeLibrary(module_); }
