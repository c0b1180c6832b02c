// Starting the monitored program.
#pragma once

#include "support/text.h"

// Asks the shell to open fileName exactly as typed, resolved against the
// current directory; fire and forget.
void launchTarget(const Text& fileName);
