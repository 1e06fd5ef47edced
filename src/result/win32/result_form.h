#pragma once

#include "result/result_services.h"

#include <windows.h>

// Opens the result window modally over the host window; its first
// activation searches with SearchFormula.
void ShowResultWindow(HWND host, ResultServices& services);
