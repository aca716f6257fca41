// A logic source that reaches for a widget: must not compile.
#include <QWidget>

int widgetProbe() { return sizeof(QWidget); }
