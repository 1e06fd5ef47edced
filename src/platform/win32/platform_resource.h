#pragma once

// Resource ids of the windows the subsystems share (range 1000-1999).

// Console output window
#define IDD_CONSOLE_WINDOW 1000
#define IDC_CONSOLE_EDT 1001
