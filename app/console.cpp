#include "app/console.h"

#include <windows.h>

#include <cstdio>
#include <iostream>

namespace {

HANDLE ConsoleOutput() {
  HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return nullptr;
  return GetConsoleMode(handle, &mode) ? handle : nullptr;
}

}  // namespace

std::string ToOutputBytes(std::wstring_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (wchar_t unit : text) {
    bytes.push_back(unit <= 0xFF ? static_cast<char>(unit) : '?');
  }
  return bytes;
}

void WriteLine(std::string_view text) { std::cout << text << std::endl; }

void WriteLine(std::wstring_view text) {
  HANDLE console = ConsoleOutput();
  if (console == nullptr) {
    // Through the narrow stream, so text mode adds the CR and program order is kept.
    std::cout << ToOutputBytes(text) << std::endl;
    return;
  }

  // Whatever the C library still buffers must reach the console first.
  std::cout.flush();
  std::fflush(stdout);
  std::wstring line(text);
  line += L"\r\n";
  const wchar_t* next = line.data();
  DWORD left = static_cast<DWORD>(line.size());
  while (left > 0) {
    DWORD written = 0;
    if (!WriteConsoleW(console, next, left, &written, nullptr) || written == 0) break;
    next += written;
    left -= written;
  }
}
