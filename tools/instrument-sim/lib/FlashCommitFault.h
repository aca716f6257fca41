#pragma once

#include "lib/CommandRegistry.h"

// A page whose commits go wrong: the first `times` commits of (bank, first
// line) store the page buffer with one data byte inverted, as a flash cell
// that did not take its value; later commits store it as sent. Replaces the
// "F" handler; call before the instrument starts.
void spoilFlashCommits(CommandRegistry& registry, int bank, int firstLine, int times);
