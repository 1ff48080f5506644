#pragma once

// The splash's pixels and the heap. Drawn at once, the splash would fault its
// pixels' pages in one at a time, row by row of its bevel, and on closing give
// them back to the system, so that the main window's objects fault fresh pages
// in after it. Instead its pixels come from the heap, in pages populated with
// one call, and stay in the heap for the main window once the splash closes.
// Where the window system keeps the pixels in memory it shares with the
// program, the populated pages serve the main window's objects all the same;
// with another C library than GNU's, nothing changes.

class QSize;

void prepareHeapForSplash(const QSize &splashSize);
