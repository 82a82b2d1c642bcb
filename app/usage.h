// The help screen, shown for the help command and for every wrong usage.
#pragma once

// Writes the eleven lines of the help screen; the usage example starts with argv[0].
void ShowUsage(const wchar_t* const argv[]);
