#pragma once

#include "lib/CommandRegistry.h"

// A line that spoils the replies of one flash page: each read of (bank, first
// line) arrives with its check byte inverted, while the memory and every other
// page stay sound. Replaces the "F" handler; call before the instrument starts.
void garbleFlashPageReplies(CommandRegistry& registry, int bank, int firstLine);

// A page whose commits go wrong: the first `times` commits of (bank, first
// line) store the page buffer with one data byte inverted, as a flash cell
// that did not take its value; later commits store it as sent.
void spoilFlashCommits(CommandRegistry& registry, int bank, int firstLine, int times);
