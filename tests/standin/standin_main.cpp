// The program with the stand-in spooler, set up from STANDIN_SPOOLER: for end-to-end tests
// of paths the real spooler cannot show, and for the benchmark.
#include "app/entry.h"
#include "tests/standin/standin_spooler.h"

int wmain(int argc, wchar_t* argv[]) {
  standin::Reset(standin::ScenarioFromEnvironment());
  return RunQuillspool(argc, argv);
}
