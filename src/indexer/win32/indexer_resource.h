#pragma once

// Resource ids of the indexer's windows (range 2000-2999).

// Console output window
#define IDD_CONSOLE_WINDOW 2800
#define IDC_CONSOLE_EDT 2801
