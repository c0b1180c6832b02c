// The process: error mode, OLE, its own file and folder, local memory and
// the way it ends.
#include "platform/win32/native.h"

// After windows.h, which it builds on.
#include <ole2.h>

namespace platform {

unsigned setErrorMode(unsigned mode) { return SetErrorMode(mode); }

long oleInitialize() { return OleInitialize(nullptr); }

void oleUninitialize() { OleUninitialize(); }

unsigned getModuleFileName(char* buffer, unsigned size) {
    return GetModuleFileNameA(nullptr, buffer, size);
}

bool setCurrentDirectory(const char* path) { return SetCurrentDirectoryA(path) != FALSE; }

bool isDbcsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

void exitProcess(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

void* localAlloc(unsigned flags, std::size_t bytes) { return LocalAlloc(flags, bytes); }

std::size_t localSize(void* block) { return LocalSize(block); }

void* localFree(void* block) { return LocalFree(block); }

}  // namespace platform
