// The program entry: everything the run does lives in the library.
#include "app/entry.h"

int wmain(int argc, wchar_t* argv[], wchar_t* /*envp*/[]) { return RunQuillspool(argc, argv); }
