// The same through the module prefix, which Qt's root include folder would resolve.
#include <QtWidgets/QPushButton>

int prefixedWidgetProbe() { return sizeof(QPushButton); }
