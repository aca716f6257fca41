#pragma once

class QWidget;

// The mouse wheel changes a combo box's or spin box's value only once the user
// has clicked or tabbed into it; a wheel turned while the pointer merely
// passes over goes on to what holds the box (a scroll area scrolls).
void wheelNeedsFocus(QWidget* box);

// The same for every combo box and spin box inside `panel`.
void wheelNeedsFocusWithin(QWidget* panel);
