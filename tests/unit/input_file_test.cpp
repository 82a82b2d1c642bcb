#include "printing/input_file.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <winioctl.h>

#include "tests/support/test_support.h"

namespace {

std::string AllByteValues() {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
  return bytes;
}

std::string AsString(const ByteBuffer& buffer) {
  return std::string(reinterpret_cast<const char*>(buffer.data()), buffer.size);
}

class ReadInputFileTest : public testing::Test {
 protected:
  ScratchFolder scratch_;
  const std::wstring folder_ = scratch_.path();
};

TEST_F(ReadInputFileTest, ReadsTheBytesUnchanged) {
  const std::string contents[] = {
      "x",
      "line one\r\nline two\nlone CR\rend",
      std::string("\x1a\x00\x1a\r\n\x00", 6),
      AllByteValues() + AllByteValues(),
      "%PDF-1.7\n%\xe2\xe3\xcf\xd3\n",
      "%!PS-Adobe-3.0\n",
  };
  for (const std::string& bytes : contents) {
    const std::wstring path = folder_ + L"input.bin";
    ASSERT_TRUE(WriteBytes(path, bytes));
    std::wstring error = L"held before";
    const ByteBuffer buffer = ReadInputFile(error, path);
    EXPECT_EQ(error, L"held before");
    EXPECT_EQ(buffer.size, bytes.size());
    EXPECT_EQ(AsString(buffer), bytes);
  }
}

TEST_F(ReadInputFileTest, RefusesWhatCannotBePrinted) {
  ASSERT_TRUE(WriteBytes(folder_ + L"empty.bin", ""));
  CreateDirectoryW((folder_ + L"folder").c_str(), nullptr);
  const std::wstring paths[] = {
      folder_ + L"missing.bin",    folder_ + L"empty.bin", folder_ + L"folder", folder_, L"",
      folder_ + L"bad<name>?.bin",
  };
  for (const std::wstring& path : paths) {
    std::wstring error = L"held before";
    const ByteBuffer buffer = ReadInputFile(error, path);
    EXPECT_EQ(error, L"Cannot read input file");
    EXPECT_TRUE(buffer.empty());
    EXPECT_EQ(buffer.data(), nullptr);
  }
}

TEST_F(ReadInputFileTest, ResolvesRelativeNamesAgainstTheCurrentFolder) {
  ASSERT_TRUE(WriteBytes(folder_ + L"relative.bin", "rel"));
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(folder_.c_str());
  std::wstring error;
  const ByteBuffer buffer = ReadInputFile(error, L"relative.bin");
  SetCurrentDirectoryW(previous);
  EXPECT_EQ(error, L"");
  EXPECT_EQ(AsString(buffer), "rel");
}

TEST_F(ReadInputFileTest, OpensNamesOutsideTheAnsiCodePageByTheirOwnName) {
  const std::wstring names[] = {
      L"D\u00e9p\u00f4t \u00fc.bin",
      L"\u6253\u5370\u673a.pdf",
      L"astral \U0001F5A8.ps",
      // Its low bytes name a different file, which must not be opened instead.
      L"\u0141.bin",
  };
  ASSERT_TRUE(WriteBytes(folder_ + L"A.bin", "the wrong file"));
  for (const std::wstring& name : names) {
    ASSERT_TRUE(WriteBytes(folder_ + name, "named file"));
    std::wstring error;
    const ByteBuffer buffer = ReadInputFile(error, folder_ + name);
    EXPECT_EQ(error, L"");
    EXPECT_EQ(AsString(buffer), "named file");
  }
}

TEST_F(ReadInputFileTest, SharesTheFileWithAWriterButNotWithAnExclusiveHolder) {
  const std::wstring path = folder_ + L"held.bin";
  ASSERT_TRUE(WriteBytes(path, "shared"));

  HANDLE writer =
      CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  std::wstring error;
  ByteBuffer buffer = ReadInputFile(error, path);
  EXPECT_EQ(error, L"");
  EXPECT_EQ(AsString(buffer), "shared");
  CloseHandle(writer);

  HANDLE exclusive = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  buffer = ReadInputFile(error, path);
  EXPECT_EQ(error, L"Cannot read input file");
  EXPECT_TRUE(buffer.empty());
  CloseHandle(exclusive);
}

TEST_F(ReadInputFileTest, DoesNotLockTheFileAgainstDeletionAfterwards) {
  const std::wstring path = folder_ + L"closed.bin";
  ASSERT_TRUE(WriteBytes(path, "closed"));
  std::wstring error;
  ReadInputFile(error, path);
  EXPECT_TRUE(DeleteFileW(path.c_str()));
}

// A sparse file costs no disk; its size alone must be refused before anything is allocated.
TEST_F(ReadInputFileTest, RefusesFilesTooLargeForOneSpoolerWrite) {
  for (LONGLONG size : {0x100000000LL, 0x100000001LL, 0x10000000000LL}) {
    const std::wstring path = folder_ + L"huge.bin";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD unused = 0;
    DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &unused, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = size;
    ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(file));
    CloseHandle(file);

    std::wstring error;
    const ByteBuffer buffer = ReadInputFile(error, path);
    EXPECT_EQ(error, L"Cannot read input file") << size;
    EXPECT_TRUE(buffer.empty());
    DeleteFileW(path.c_str());
  }
}

// A buffer the heap cannot give must come back empty, not end the process.
TEST(ByteBuffer, AnImpossibleAllocationIsEmpty) {
  const ByteBuffer buffer = ByteBuffer::Allocate(std::size_t(1) << 62);
  EXPECT_TRUE(buffer.empty());
  EXPECT_EQ(buffer.data(), nullptr);
}

}  // namespace
