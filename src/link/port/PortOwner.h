#pragma once

#include <QtGlobal>

class ModCOMM;
struct Globals;

// Every open and close of an instrument port goes through here: the search's
// probes, the port in use (Globals::commPort with portOpen) at start-up, on
// the advanced page and at closing.

// Opens `port` at `baudRate`: 0, else the module's code, with whatever the
// failed open left half-open closed again so a later open is not refused as
// "Port in use.".
qint32 openPort(ModCOMM& comm, int port, int baudRate);
// Closes `port` whether or not it is open.
void closePort(ModCOMM& comm, int port);

// Makes an open `port` the one every sender uses.
void usePort(Globals& globals, int port);
// Opens `port` for good: 0, with commPort and portOpen set; else the
// module's code and nothing changed in the shared record.
qint32 openPortInUse(Globals& globals, ModCOMM& comm, int port, int baudRate);
// Closes the port in use; no port is in use afterwards. Asked while an
// exchange holds the link, the exchange is told to stop and the port closes
// once it has returned.
void closePortInUse(Globals& globals, ModCOMM& comm);
// Closes the port in use and opens it again at `baudRate`: 0, else the
// module's code and no port in use.
qint32 reopenPortInUse(Globals& globals, ModCOMM& comm, int baudRate);
