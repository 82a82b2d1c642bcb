// Reads a whole input file into one buffer, for printing as a single raw job.
#pragma once

#include <cstdint>
#include <string>

#include "printing/byte_buffer.h"

// The largest file handed to the spooler: its one write takes a 32-bit count.
constexpr std::int64_t kMaxInputFileSize = 0xFFFFFFFFLL;

// Opens path as typed (binary, existing files only, read and write shared). On success
// returns exactly the file's bytes and leaves errorMessage alone; on any failure (no such
// file, an empty, unreadable or too large file, a short read, no memory) sets errorMessage
// to "Cannot read input file" and returns an empty buffer.
ByteBuffer ReadInputFile(std::wstring& errorMessage, std::wstring path);
