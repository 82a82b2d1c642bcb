// Writes whole lines to standard output, the one place that decides how UTF-16 text leaves.
#pragma once

#include <string>
#include <string_view>

// A fixed 8-bit text, then the line end; the line is flushed.
void WriteLine(std::string_view text);

// A UTF-16 text, then the line end; the line is flushed. On a console the characters
// are shown as they are; on a file or pipe each unit up to 255 is the byte of that value
// and each other unit is '?', so nothing after it is lost.
void WriteLine(std::wstring_view text);

// The bytes that a UTF-16 text becomes on a file or pipe, line end excluded.
std::string ToOutputBytes(std::wstring_view text);
