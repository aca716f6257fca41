#pragma once

#include <QString>

struct Globals;

// The main window's status line once a page opened or closed the port in use:
// "OK. Connected to COM" and its number, or "COMPORT closed".
QString portInUseStatus(const Globals& globals);
