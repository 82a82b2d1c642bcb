#include "tests/support/test_support.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>

ScratchFolder::ScratchFolder() {
  static int serial = 0;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  path_ = std::wstring(temp) + L"quillspool-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++serial) + L"\\";
  CreateDirectoryW(path_.c_str(), nullptr);
}

namespace {

// Removes a folder with everything below it; path ends with a backslash.
void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((path + L"*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path + name + L"\\");
      } else {
        DeleteFileW((path + name).c_str());
      }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryW(path.c_str());
}

}  // namespace

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::FILE* file = _wfopen(path.c_str(), L"wb");
  if (file == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}

std::string ReadBytes(const std::wstring& path) {
  std::string bytes;
  std::FILE* file = _wfopen(path.c_str(), L"rb");
  if (file == nullptr) return bytes;
  char chunk[4096];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
  std::fclose(file);
  return bytes;
}

std::string CaptureStdout(const std::function<void()>& action) {
  ScratchFolder folder;
  const std::wstring path = folder.path() + L"stdout.txt";

  std::cout.flush();
  std::fflush(stdout);
  const int saved = _dup(1);
  const HANDLE savedHandle = GetStdHandle(STD_OUTPUT_HANDLE);
  std::FILE* file = _wfopen(path.c_str(), L"wb");
  _dup2(_fileno(file), 1);
  _setmode(1, _O_TEXT);  // as the program's own standard output is
  SetStdHandle(STD_OUTPUT_HANDLE, reinterpret_cast<HANDLE>(_get_osfhandle(1)));

  action();

  std::cout.flush();
  std::fflush(stdout);
  _dup2(saved, 1);
  _close(saved);
  SetStdHandle(STD_OUTPUT_HANDLE, savedHandle);
  std::fclose(file);

  return ReadBytes(path);
}
