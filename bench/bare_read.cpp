// The benchmark's baseline: reads a file whole into one buffer, as plainly as it can be done,
// and does nothing else with it.
#include <cstdio>
#include <cstdlib>

int wmain(int argc, wchar_t* argv[]) {
  if (argc != 2) return 2;
  std::FILE* file = _wfopen(argv[1], L"rb");
  if (file == nullptr) return 1;
  _fseeki64(file, 0, SEEK_END);
  const long long size = _ftelli64(file);
  _fseeki64(file, 0, SEEK_SET);
  void* buffer = std::malloc(static_cast<std::size_t>(size));
  const std::size_t got = buffer ? std::fread(buffer, 1, static_cast<std::size_t>(size), file) : 0;
  std::fclose(file);
  std::free(buffer);
  return got == static_cast<std::size_t>(size) ? 0 : 1;
}
