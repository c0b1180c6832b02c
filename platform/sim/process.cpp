// Process-wide calls: error mode, OLE, the module's path, the current
// directory, local memory and the end of the process.
#include "platform/sim/world.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace sim {

// Blocks the program never freed go with its process.
World::~World() {
    for (const auto& [block, size] : localBlocks)
        std::free(block);
}

void Desktop::setModulePath(std::string path) { world_->modulePath = std::move(path); }

void Desktop::setInitialDirectory(std::string path) { world_->currentDirectory = std::move(path); }

const std::string& Desktop::currentDirectory() const { return world_->currentDirectory; }

const std::vector<std::string>& Desktop::directoryRequests() const {
    return world_->directoryRequests;
}

unsigned Desktop::errorMode() const { return world_->errorMode; }

int Desktop::oleInitializations() const { return world_->oleInitializations; }

int Desktop::oleUninitializations() const { return world_->oleUninitializations; }

std::size_t Desktop::localBlocks() const { return world_->localBlocks.size(); }

std::size_t Desktop::openTimers() const { return world_->timers.size(); }

}  // namespace sim

namespace platform {

using namespace sim;

unsigned setErrorMode(unsigned mode) {
    World& w = world();
    const unsigned previous = w.errorMode;
    w.errorMode = mode;
    return previous;
}

// S_OK for the thread's first initialisation, S_FALSE for a nested one.
long oleInitialize() {
    constexpr long SOk = 0;
    constexpr long SFalse = 1;
    constexpr long EFail = static_cast<std::int32_t>(0x80004005);
    World& w = world();
    if (failing(w, Call::OleInitialize)) return EFail;
    ++w.oleInitializations;
    return w.oleDepth++ == 0 ? SOk : SFalse;
}

void oleUninitialize() {
    World& w = world();
    ++w.oleUninitializations;
    w.oleDepth = std::max(w.oleDepth - 1, 0);
}

// A path that does not fit is cut to size - 1 bytes and the call returns
// size, as GetModuleFileNameA does.
unsigned getModuleFileName(char* buffer, unsigned size) {
    World& w = world();
    if (failing(w, Call::GetModuleFileName) || buffer == nullptr || size == 0) return 0;
    const std::string& path = w.modulePath;
    const int copied = copyTruncated(path, buffer, static_cast<int>(size));
    return path.size() < size ? static_cast<unsigned>(copied) : size;
}

// Any non-empty path is taken as an existing directory.
bool setCurrentDirectory(const char* path) {
    World& w = world();
    w.directoryRequests.push_back(textOf(path));
    if (failing(w, Call::SetCurrentDirectory) || path == nullptr || *path == '\0') return false;
    w.currentDirectory = path;
    return true;
}

// The simulated system runs code page 936 (GBK).
bool isDbcsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

[[noreturn]] void exitProcess(int exitCode) { endProcess(world(), exitCode); }

void* localAlloc(unsigned flags, std::size_t bytes) {
    World& w = world();
    if (failing(w, Call::LocalAlloc)) return nullptr;
    void* block = std::malloc(std::max<std::size_t>(bytes, 1));
    if (block == nullptr) return nullptr;
    if ((flags & LmemZeroInit) != 0) std::memset(block, 0, bytes);
    w.localBlocks.emplace(block, bytes);
    return block;
}

std::size_t localSize(void* block) {
    const World& w = world();
    const auto found = w.localBlocks.find(block);
    return found == w.localBlocks.end() ? 0 : found->second;
}

// Returns nullptr once freed, the block itself when it is none of ours.
void* localFree(void* block) {
    World& w = world();
    if (block == nullptr) return nullptr;
    const auto found = w.localBlocks.find(block);
    if (found == w.localBlocks.end()) return block;
    std::free(block);
    w.localBlocks.erase(found);
    return nullptr;
}

}  // namespace platform
