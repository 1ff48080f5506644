#pragma once

// The splash's pixels and the heap. Drawn at once, the splash would fault its
// pixels' pages in one at a time, row by row of its bevel, and on closing give
// them back to the system, so that the main window's objects fault fresh pages
// in after it. Instead its pixels come from the heap, in pages populated with
// one call, and stay in the heap for the main window once the splash closes.
// Where the window system shares memory for the pixels, or the C library is
// not GNU's, nothing changes but the heap's settings.

class QSize;

void prepareHeapForSplash(const QSize &splashSize);
