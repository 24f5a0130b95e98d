#pragma once

// Runs before QApplication exists. A Wayland window can neither keep itself above other windows
// nor choose where it appears; an X11 window shown through XWayland can, and the compositor
// honours both. So on a Wayland session (WAYLAND_DISPLAY) with XWayland (DISPLAY), and when the
// user named no platform (neither QT_QPA_PLATFORM nor a -platform argument), this asks Qt for
// xcb, falling back to wayland when XWayland does not answer. Elsewhere Qt chooses as usual.
void PreferX11OnWayland(int argc, const char* const* argv);

// True once QApplication exists when its windows go to a Wayland compositor: natively, or as X11
// windows through XWayland.
bool ShownByWaylandCompositor();
