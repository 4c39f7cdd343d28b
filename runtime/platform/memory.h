// How the process's heap treats freed memory.
#pragma once

// Keeps freed heap memory for reuse instead of handing it back to the system at once. The
// software renderer allocates and frees blocks of a few hundred kilobytes on every draw; with
// the C library's defaults each of them is mapped afresh and faulted in page by page, which
// cost more than the drawing itself. Called once at start-up, before the window opens.
void PlatformKeepFreedMemory();
