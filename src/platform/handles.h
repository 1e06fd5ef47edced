#pragma once

// Opaque Win32 handles as the portable code sees them: it passes them along
// and compares them, never looks inside.
using WindowHandle = void*;
using MenuHandle = void*;
