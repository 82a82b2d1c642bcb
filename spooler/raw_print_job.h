// Hands one block of bytes to the spooler as a single job of datatype "RAW".
#pragma once

#include <windows.h>

#include <string>

// True when the printer took the whole block as one job named "My Document" and the
// spooler accepted the finished document.
bool PrintRawData(std::wstring printerName, const void* data, DWORD length);
