// Turns the wide argument vector into the command the run is to carry out.
#pragma once

#include <string>

struct ParsedArguments {
  std::wstring command;  // "--help", "--list" or "--print"
  std::wstring listScope;
  std::wstring inputFile;
  std::wstring printerName;
};

// Finds the first option word, starting at argv[0], and takes the words after it by
// position. False means wrong usage; the record is then not to be read.
bool ParseArguments(int argc, const wchar_t* const argv[], ParsedArguments& args);
