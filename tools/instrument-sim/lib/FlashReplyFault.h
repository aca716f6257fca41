#pragma once

#include "lib/CommandRegistry.h"

// A line that spoils the replies of one flash page: each read of (bank, first
// line) arrives with its check byte inverted, while the memory and every other
// page stay sound. Replaces the "F" handler; call before the instrument starts.
void garbleFlashPageReplies(CommandRegistry& registry, int bank, int firstLine);
