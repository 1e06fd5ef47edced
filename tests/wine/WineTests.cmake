# Registered from the native build: the Windows-side programs under Wine.
set(win_bin ${TARNWICK_WINDOWS_BUILD_DIR}/bin)
tarnwick_add_wine_test(tests ${win_bin}/wine_tests.exe)
