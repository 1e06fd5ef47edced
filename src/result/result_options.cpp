#include "result/result_options.h"

#include "settings/integer_text.h"
#include "text/shift_jis.h"

namespace {

SortField SortFromSettings(const std::string& stored, bool namazu13) {
    const std::string sort = AsciiLowerCase(stored);
    if (sort == "later")
        return SortField::Later;
    if (sort == "earlier")
        return SortField::Earlier;
    if (namazu13)
        return SortField::None;
    if (sort == "subject")
        return SortField::Subject;
    if (sort == "from")
        return SortField::From;
    if (sort == "to")
        return SortField::To;
    if (sort == "uri")
        return SortField::FileName;
    return SortField::None;
}

ListCount CountFromSettings(const std::string& stored) {
    const int count = IntegerOr(stored, 0);
    if (count >= 1 && count <= 20)
        return ListCount::Twenty;
    if (count >= 21 && count <= 50)
        return ListCount::Fifty;
    if (count >= 51 && count <= 100)
        return ListCount::Hundred;
    if (AsciiLowerCase(stored) == "all")
        return ListCount::All;
    return ListCount::Twenty;
}

struct SortRow {
    OptionItem Item;
    SortField Field;
    const char* Stored;
};

const SortRow kSortRows[] = {
    {OptionItem::SortEarlier, SortField::Earlier, "Earlier"},
    {OptionItem::SortLater, SortField::Later, "Later"},
    {OptionItem::SortNone, SortField::None, "None"},
    {OptionItem::SortSubject, SortField::Subject, "Subject"},
    {OptionItem::SortFrom, SortField::From, "From"},
    {OptionItem::SortTo, SortField::To, "To"},
    {OptionItem::SortFileName, SortField::FileName, "URI"},
};

struct CountRow {
    OptionItem Item;
    ListCount Count;
    const char* Stored;
};

const CountRow kCountRows[] = {
    {OptionItem::ListCountTwenty, ListCount::Twenty, "20"},
    {OptionItem::ListCountFifty, ListCount::Fifty, "50"},
    {OptionItem::ListCountHundred, ListCount::Hundred, "100"},
    {OptionItem::ListCountAll, ListCount::All, "All"},
};

template <typename Row, size_t Count>
const Row* FindRow(const Row (&rows)[Count], OptionItem item) {
    for (const Row& row : rows) {
        if (row.Item == item)
            return &row;
    }
    return nullptr;
}

const SortRow* FindSortRow(OptionItem item) {
    return FindRow(kSortRows, item);
}

const CountRow* FindCountRow(OptionItem item) {
    return FindRow(kCountRows, item);
}

} // namespace

ResultOptions ResultOptionsFromSettings(const TSettings& settings) {
    const bool namazu13 = IsNamazu13(settings);
    ResultOptions options;
    options.Sort = SortFromSettings(settings.Sort, namazu13);
    if (namazu13 && options.Sort == SortField::None)
        options.Direction = SortDirection::Unchecked;
    else if (!namazu13)
        options.Direction = AsciiLowerCase(settings.SortDirection) == "ascend"
                                ? SortDirection::Ascend
                                : SortDirection::Descend;
    options.ContentsOff = settings.ShowContents == "0";
    options.Count = CountFromSettings(settings.ListCount);
    options.NoColour = settings.Color != "1";
    options.SavePosition = settings.SaveWindowPos == "1";
    options.SaveSize = settings.SaveWindowSize == "1";
    return options;
}

ItemGroup GroupOf(OptionItem item) {
    if (FindSortRow(item) != nullptr)
        return ItemGroup::Sort;
    if (FindCountRow(item) != nullptr)
        return ItemGroup::Count;
    switch (item) {
    case OptionItem::SortAscend:
    case OptionItem::SortDescend:
        return ItemGroup::Direction;
    case OptionItem::ContentsOn:
    case OptionItem::ContentsOff:
        return ItemGroup::Contents;
    default:
        return ItemGroup::Setting;
    }
}

bool IsItemChecked(const ResultOptions& options, OptionItem item) {
    if (const SortRow* row = FindSortRow(item))
        return options.Sort == row->Field;
    if (const CountRow* row = FindCountRow(item))
        return options.Count == row->Count;
    switch (item) {
    case OptionItem::SortAscend:
        return options.Direction == SortDirection::Ascend;
    case OptionItem::SortDescend:
        return options.Direction == SortDirection::Descend;
    case OptionItem::ContentsOn:
        return !options.ContentsOff;
    case OptionItem::ContentsOff:
        return options.ContentsOff;
    case OptionItem::SettingNoColour:
        return options.NoColour;
    case OptionItem::SettingSavePosition:
        return options.SavePosition;
    case OptionItem::SettingSaveSize:
        return options.SaveSize;
    default:
        return false;
    }
}

bool IsItemEnabled(OptionItem item, bool namazu13) {
    switch (item) {
    case OptionItem::SortSubject:
    case OptionItem::SortFrom:
    case OptionItem::SortTo:
    case OptionItem::SortFileName:
    case OptionItem::SortAscend:
    case OptionItem::SortDescend:
        return !namazu13;
    default:
        return true;
    }
}

void ClickOptionItem(OptionItem item, bool namazu13, ResultOptions& options, TSettings& settings) {
    if (const SortRow* row = FindSortRow(item)) {
        options.Sort = row->Field;
        settings.Sort = row->Stored;
        if (namazu13 && item == OptionItem::SortNone)
            options.Direction = SortDirection::Unchecked;
        return;
    }
    if (const CountRow* row = FindCountRow(item)) {
        options.Count = row->Count;
        settings.ListCount = row->Stored;
        return;
    }
    switch (item) {
    case OptionItem::SortAscend:
        options.Direction = SortDirection::Ascend;
        settings.SortDirection = "Ascend";
        break;
    case OptionItem::SortDescend:
        options.Direction = SortDirection::Descend;
        settings.SortDirection = "Descend";
        break;
    case OptionItem::ContentsOn:
    case OptionItem::ContentsOff:
        options.ContentsOff = item == OptionItem::ContentsOff;
        settings.ShowContents = options.ContentsOff ? "0" : "1";
        break;
    case OptionItem::SettingNoColour:
        options.NoColour = !options.NoColour;
        settings.Color = options.NoColour ? "0" : "1";
        break;
    case OptionItem::SettingSavePosition:
        options.SavePosition = !options.SavePosition;
        break;
    case OptionItem::SettingSaveSize:
        options.SaveSize = !options.SaveSize;
        break;
    default:
        break;
    }
}
