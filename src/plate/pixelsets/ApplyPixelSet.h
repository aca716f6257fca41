#pragma once

#include <functional>

class Console;
class PixelMask;
class ProgramFolder;
class Prompts;

// What "Apply to all" did.
struct PixelSetApply {
    bool confirmed = false;  // "Yes" to applying
    int files = 0;           // grid set files merged
    bool mergedWritten = false;
    bool sent = false;       // "Yes" to sending: mask 0 was set and handed on
    int activatedChannels = 0;
};

// cmd_applyset_Click: after "are you sure to Apply configuration?" merges the
// grid set files and writes the two merged files (when there was a set);
// after "<n> files integrated. Send to Flash?" sets mask 0 of setPixelMask
// from the merge (lines 0 to 139, pixels 0 to 189), shows the number of
// enabled pixels, and hands mask 0 to sendMask0, which writes its mask file
// and sends it to the instrument.
PixelSetApply ApplyPixelSets(const ProgramFolder& folder, Prompts& prompts, Console& console, PixelMask& setPixelMask,
                             const std::function<void()>& sendMask0);
