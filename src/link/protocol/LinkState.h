#pragma once

// What the link knows of the instrument between exchanges. The application
// keeps one beside the serial module; senders that learn it take it by reference.
struct LinkState {
    bool offlineMode = false;     // no instrument port was found
    double lastTemperature = 0;   // last decoded temperature; 0 = no usable reading
    bool analogController = true; // stage driven by direction plus drive level
};
