// The run: parse the command line, carry out one command, decide the exit status.
#pragma once

// Returns the exit status: 0 on success, 1 on wrong usage or a failed command.
int RunQuillspool(int argc, const wchar_t* const argv[]);
