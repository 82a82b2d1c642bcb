// Helpers shared by the test binaries: captured standard output and scratch files.
#pragma once

#include <functional>
#include <string>

// The bytes that the action writes to standard output, CR LF as text mode makes them.
std::string CaptureStdout(const std::function<void()>& action);

// A fresh, empty folder for one test, removed with all it holds when the test is done.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // With a trailing backslash, ready for a file name.
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

bool WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
