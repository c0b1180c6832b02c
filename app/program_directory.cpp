#include "app/program_directory.h"

#include <string_view>

namespace {

// Offset of the last backslash that stands as a character, or npos. The
// second byte of a two-byte character may well be 0x5C, the backslash
// code; it is no separator there.
std::size_t lastSeparator(std::string_view path, LeadByteTest isLeadByte) {
    std::size_t found = std::string_view::npos;
    for (std::size_t pos = 0; pos < path.size();) {
        const auto byte = static_cast<unsigned char>(path[pos]);
        if (byte == '\\') found = pos;
        pos += isLeadByte(byte) ? 2 : 1;
    }
    return found;
}

// "" (a rooted path of the current drive) or "C:": the folder is a root.
bool namesDriveOnly(std::string_view head) {
    return head.empty() || (head.size() == 2 && head[1] == ':');
}

}  // namespace

Text programDirectory(const Text& modulePath, LeadByteTest isLeadByte) {
    const std::string_view path(modulePath.c_str());
    const std::size_t separator = lastSeparator(path, isLeadByte);
    if (separator == std::string_view::npos) return Text();
    const std::string_view head = path.substr(0, separator);
    return Text(namesDriveOnly(head) ? path.substr(0, separator + 1) : head);
}
