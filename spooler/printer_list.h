// Lists the printers of one scope, local printers or the user's connections, a line each.
#pragma once

#include <string>

// "remote" lists the connections under the tag "R"; every other word, the empty one
// included, lists the local printers under "L". On failure nothing is written and
// errorMessage becomes "Could not Enumerate printers".
bool ListPrinters(const std::wstring& scope, std::wstring& errorMessage);

// One listing line without its line end: tag, display name, [printer on server], driver.
// A null name counts as empty.
std::wstring FormatPrinterLine(const std::wstring& tag, const wchar_t* serverName,
                               const wchar_t* printerName, const wchar_t* shareName,
                               const wchar_t* driverName);
