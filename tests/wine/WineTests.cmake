# Registered from the native build: the Windows-side programs under Wine.
set(win_bin ${TARNWICK_WINDOWS_BUILD_DIR}/bin)
tarnwick_add_wine_test(tests ${win_bin}/wine_tests.exe)
# Wine's ANSI code page follows the locale: the tests that compare against
# the system's A functions with Shift-JIS bytes need code page 932.
tarnwick_add_wine_test(tests.shift_jis_locale ${win_bin}/wine_tests.exe --gtest_filter=*ShiftJis*)
set_tests_properties(wine.tests.shift_jis_locale PROPERTIES
    ENVIRONMENT "LANG=ja_JP.SJIS;LC_ALL=ja_JP.SJIS")
