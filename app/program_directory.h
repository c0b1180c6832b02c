// The folder of the program's own file, which start-up makes the current
// directory so that bare file names are looked up beside the program.
#pragma once

#include "support/text.h"

// The path cut before its last backslash, found character by character in
// the ANSI code page. A program in the root keeps the backslash ("C:\",
// "\"), since "C:" alone names the drive's current directory. A path
// without a backslash has no folder: the empty text.
Text programDirectory(const Text& modulePath);
