#include "app/usage.h"

#include <string>

#include "app/console.h"

void ShowUsage(const wchar_t* const argv[]) {
  WriteLine("Version  : Quillspool 1.1");
  WriteLine("");
  WriteLine(
      "Print any binary file directly on printer without performing any conversion. "
      "Very usefull for PDF/PS files printing.");
  WriteLine("");
  WriteLine("Usage: ");
  WriteLine(std::wstring(argv[0]) + L" -p \"C:\\mypdffile.pdf\" \"my printer name\"");
  WriteLine("");
  WriteLine("Options:");
  WriteLine("  --help|-h  - Show this help");
  WriteLine(
      "  --list|-l [local|remote|all] - Show list of available printers. Follow -l by 'local' "
      "to show local printers or 'remote' to show network printers.");
  WriteLine(
      "  --print|-p <input file> <printername> - Print <input file> on printer <printername>");
}
