// Every QtWidgets header includes this one first. Logic libraries find this
// file ahead of Qt's, so a widget header in logic stops the build here.
#error "a logic library must not use widgets: move the widget code to the subsystem's panels/ folder"
