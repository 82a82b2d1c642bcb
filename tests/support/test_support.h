// Helpers shared by the test binaries: captured standard output and scratch files.
#pragma once

#include <functional>
#include <string>

// The bytes that the action writes to standard output, CR LF as text mode makes them.
std::string CaptureStdout(const std::function<void()>& action);

// A fresh, empty folder for one test, with a trailing backslash.
std::wstring ScratchFolder();

bool WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
