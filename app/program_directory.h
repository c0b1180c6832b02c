// The folder of the program's own file, which start-up makes the current
// directory so that bare file names are looked up beside the program.
#pragma once

#include "support/text.h"

// Tells whether a byte opens a two-byte character in the ANSI code page.
using LeadByteTest = bool (*)(unsigned char byte);

// The path cut before its last backslash, found character by character in
// the ANSI code page that isLeadByte describes. A program in the root keeps
// the backslash ("C:\", "\"), since "C:" alone names the drive's current
// directory. A path without a backslash has no folder: the empty text.
Text programDirectory(const Text& modulePath, LeadByteTest isLeadByte);
