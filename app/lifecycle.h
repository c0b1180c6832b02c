// How the process starts and every way it ends.
#pragma once

// The process's main routine; returns the exit code on the one path that
// returns, a WM_QUIT taken while idle.
int runProgram();
// Ends the process with code from whatever depth it is called at.
[[noreturn]] void endProgram(int code);
// Reports a failure the tool cannot go on after and ends with code -1.
[[noreturn]] void fatalError(const char* what);
