// The print command: read the input file and send it unchanged as one raw job.
#pragma once

#include <string>

// True when the whole file was read and accepted by the printer as one job. On failure
// errorMessage holds "Cannot read input file" (no printer contacted) or the printing
// message naming the file as typed and the printer.
bool PrintFile(std::wstring& errorMessage, std::wstring printerName, std::wstring inputFile);
