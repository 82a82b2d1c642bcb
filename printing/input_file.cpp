#include "printing/input_file.h"

#include <share.h>

#include <cstdio>

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The position at the end of the file, or -1 when there is none to be had.
std::int64_t MeasureAndRewind(std::FILE* file) {
  if (_fseeki64(file, 0, SEEK_END) != 0) return -1;
  const std::int64_t size = _ftelli64(file);
  if (_fseeki64(file, 0, SEEK_SET) != 0) return -1;
  return size;
}

ByteBuffer Fail(std::wstring& errorMessage) {
  errorMessage = L"Cannot read input file";
  return ByteBuffer();
}

}  // namespace

ByteBuffer ReadInputFile(std::wstring& errorMessage, std::wstring path) {
  // The wide name, so that a name outside the ANSI code page opens the file it names.
  // Deny-none sharing lets other processes read and write it, not delete it.
  File file(_wfsopen(path.c_str(), L"rb", _SH_DENYNO));
  if (!file) return Fail(errorMessage);

  const std::int64_t size = MeasureAndRewind(file.get());
  if (size <= 0 || size > kMaxInputFileSize) return Fail(errorMessage);

  ByteBuffer contents = ByteBuffer::Allocate(static_cast<std::size_t>(size));
  if (contents.empty()) return Fail(errorMessage);

  // A file that shrank or a read error is a failed read, never a zero-padded job.
  const std::size_t got = std::fread(contents.data(), 1, contents.size, file.get());
  if (got != contents.size) return Fail(errorMessage);
  return contents;
}
