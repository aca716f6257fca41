#pragma once

class Clock;
class Console;
class ModCOMM;
class Prompts;
struct Globals;

// What every command sender works with: the shared record (its commPort is the
// port every exchange uses), the serial module, the clock every pause goes
// through, and the console and prompts of the window that sends.
struct LinkContext {
    Globals& globals;
    ModCOMM& comm;
    Clock& clock;
    Console& console;
    Prompts& prompts;
};
