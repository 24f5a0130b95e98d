#pragma once

class QApplication;

// Gives the program its name, its icon (for every window) and the id of its desktop entry, which
// lets a Wayland compositor find the icon and the name.
void SetApplicationIdentity(QApplication& application);
