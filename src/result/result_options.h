#pragma once

#include "settings/settings_record.h"

// The result window's option menus as state: which sort, direction, summary
// and count items are checked, and the three check items of the settings
// menu.

enum class SortField { Earlier, Later, None, Subject, From, To, FileName };
// Namazu 1.3 knows no direction, so it can have neither item checked.
enum class SortDirection { Unchecked, Ascend, Descend };
enum class ListCount { Twenty, Fifty, Hundred, All };

// Every menu item whose click stores a value or toggles a check.
enum class OptionItem {
    SortEarlier,
    SortLater,
    SortNone,
    SortSubject,
    SortFrom,
    SortTo,
    SortFileName,
    SortAscend,
    SortDescend,
    ContentsOn,
    ContentsOff,
    ListCountTwenty,
    ListCountFifty,
    ListCountHundred,
    ListCountAll,
    SettingNoColour,
    SettingSavePosition,
    SettingSaveSize,
};

struct ResultOptions {
    SortField Sort = SortField::None;
    SortDirection Direction = SortDirection::Ascend;
    bool ContentsOff = false;
    ListCount Count = ListCount::Twenty;
    // Checked means no colours.
    bool NoColour = false;
    bool SavePosition = false;
    bool SaveSize = false;
};

// The checks the window starts with, from the loaded settings.
ResultOptions ResultOptionsFromSettings(const TSettings& settings);

bool IsItemChecked(const ResultOptions& options, OptionItem item);
// Namazu 1.3 sorts by date or score only.
bool IsItemEnabled(OptionItem item, bool namazu13);

enum class ItemGroup { Sort, Direction, Contents, Count, Setting };
ItemGroup GroupOf(OptionItem item);

// A click on an item: the radio item is checked or the check item toggled,
// and its value is stored in the settings record.
void ClickOptionItem(OptionItem item, bool namazu13, ResultOptions& options, TSettings& settings);
