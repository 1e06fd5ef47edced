#include "result/result_rendering.h"

#include "catalogue/path_utilities.h"
#include "platform/plugin_error.h"
#include "result/result_page.h"
#include "text/shift_jis.h"

#include <algorithm>

namespace {

const std::string kHitCountHeader = "参考ヒット数: ";
const std::string kCountSeparator = ") ";
const std::string kScoreMarker = " (score:";
const std::string kJapaneseScoreMarker = " (スコア:";
// Namazu's footer and the empty lines before it hold no hit.
const size_t kUnexaminedTail = 4;

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

void RenameCountLines(std::vector<std::string>& lines, const std::vector<std::string>& titles) {
    const size_t searched = std::min<size_t>(lines.size(), 4);
    const auto header = std::find(lines.begin(), lines.begin() + searched, kHitCountHeader);
    if (header == lines.begin() + searched)
        return;
    size_t target = 0;
    for (auto line = header + 1; line != lines.end() && target < titles.size(); ++line) {
        const size_t bracket = FindWhole(*line, kCountSeparator);
        if (line->empty() || bracket == std::string::npos)
            return;
        *line = "「" + titles[target++] + "」 " + line->substr(bracket + 1);
    }
}

// The byte length of a title line's title: everything before the score.
// Namazu prints its score last, so a subject that itself holds one of the
// markers must not cut the title short.
size_t TitleLength(const std::string& line) {
    size_t length = 0;
    for (const std::string* marker : {&kScoreMarker, &kJapaneseScoreMarker}) {
        const size_t found = FindLastWhole(line, *marker);
        if (found != std::string::npos)
            length = std::max(length, found);
    }
    return length;
}

// The byte length of a URI line's URI: Namazu 2.0 follows it with two
// words, 1.3 with three.
size_t UriLength(const std::string& line, bool namazu13) {
    const size_t space = FindNthFromEnd(line, " ", namazu13 ? 3 : 2);
    return space <= 1 ? 0 : ByteOffsetOfCharacter(line, space - 1);
}

class HitParser {
public:
    HitParser(const RenderOptions& options, HitList& hits, RenderedResult& rendered)
        : options_(options), hits_(hits), rendered_(rendered) {}

    void Parse(const std::vector<std::string>& lines, size_t first, int32_t pos) {
        bool expectTitle = true;
        for (size_t i = first; i + kUnexaminedTail < lines.size(); ++i) {
            const std::string& line = lines[i];
            if (expectTitle && !line.empty()) {
                AddTitle(line, pos);
                expectTitle = false;
            } else if (!expectTitle && lines[i + 1].empty() && lines[i + 2].empty()) {
                SetUri(line, pos);
                expectTitle = true;
            }
            pos += static_cast<int32_t>(line.size()) + 2;
        }
    }

private:
    void AddTitle(const std::string& line, int32_t pos) {
        const size_t length = TitleLength(line);
        Mark(pos, length, kTitleMark, kTitleFormat);
        TClickableInfo hit;
        hit.TitleStart = pos;
        hit.TitleEnd = pos + static_cast<int32_t>(length) - 1;
        hit.Title = line.substr(0, length);
        hits_.Clickables.push_back(hit);
    }

    void SetUri(const std::string& line, int32_t pos) {
        const size_t length = UriLength(line, options_.Namazu13);
        Mark(pos, length, kUriMark, kUriFormat);
        TClickableInfo& hit = hits_.Clickables.back();
        hit.UriStart = pos;
        hit.UriEnd = pos + static_cast<int32_t>(length) - 1;
        hit.Uri = line.substr(0, length);
    }

    void Mark(int32_t pos, size_t length, char mark, const RangeFormat& format) {
        if (length == 0)
            return;
        const int32_t first = hits_.Positions.ToCharacter(pos);
        const int32_t end = hits_.Positions.ToCharacter(pos + static_cast<int32_t>(length));
        std::fill(hits_.ClickMapByCharacter.begin() + first,
                  hits_.ClickMapByCharacter.begin() + end, mark);
        if (options_.Colouring)
            rendered_.Colours.push_back({pos, static_cast<int32_t>(length), format});
    }

    const RenderOptions& options_;
    HitList& hits_;
    RenderedResult& rendered_;
};

} // namespace

void HitList::Clear() {
    ClickMapByCharacter.clear();
    Clickables.clear();
    Positions = PanePositions();
}

RenderOptions ResultRenderOptions(const TSettings& settings, const FolderCatalogue& catalogue,
                                  const std::vector<int>& searchTargets, bool colouring) {
    RenderOptions options;
    options.RenameToFolderName = settings.RenameToFolderName == "1";
    options.Colouring = colouring;
    options.Namazu13 = IsNamazu13(settings);
    // A target the catalogue no longer holds ends the titles; its count
    // line and those after it stay as Namazu wrote them.
    for (int target : searchTargets) {
        if (target < 0 || target >= catalogue.Count())
            break;
        options.FolderTitles.push_back(catalogue.At(target).Title);
    }
    return options;
}

RenderedResult RenderResult(const std::string& fileText, const RenderOptions& options,
                            HitList& hits) {
    std::vector<std::string> lines = PaneLines(fileText);
    if (options.RenameToFolderName)
        RenameCountLines(lines, options.FolderTitles);

    RenderedResult rendered;
    rendered.Text = PaneText(lines);
    hits.Clear();
    hits.Positions = PanePositions(lines);
    hits.ClickMapByCharacter.assign(static_cast<size_t>(hits.Positions.CharacterLength()), '\0');

    // A later page numbers its hits on from the pages before it.
    const std::optional<ResultPage> page = ResultPageOfLines(lines);
    const std::string firstHit = std::to_string(page ? page->First : 1) + ". ";
    int32_t pos = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0 && StartsWith(lines[i], firstHit)) {
            rendered.FoundHitList = true;
            HitParser(options, hits, rendered).Parse(lines, i, pos);
            break;
        }
        pos += static_cast<int32_t>(lines[i].size()) + 2;
    }
    return rendered;
}
