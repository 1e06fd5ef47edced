#pragma once

#include <string>

// What namazu 2.0 writes, with LF line ends, for a search with the given
// number of hits spread over the given number of indexes: Japanese titles
// and summaries, a URI line per hit.
inline std::string GeneratedNamazuResult(int hits, int folders) {
    const std::string count = std::to_string(hits);
    std::string text = "検索結果\n\n参考ヒット数: \n";
    for (int f = 0; f < folders; ++f)
        text += "(/al/acc/Namazu/user" + std::to_string(100 + f) + ") [ 予算: 247 ] \n";
    text += "\n検索式にマッチする " + count + " 個の文書が見つかりました。\n\n";
    for (int i = 1; i <= hits; ++i) {
        const std::string n = std::to_string(i);
        text += n + ". Re: 来週の予算会議の件について（第" + n +
                "回） (スコア: " + std::to_string(hits - i + 1) + ")\n";
        text += "著者: 山田 太郎 <taro" + n + "@example.jp>\n";
        text += "日付: Tue, 1 Dec 2026 10:01:00 +0900\n";
        text += "お世話になっております。来週の予算会議の資料を送ります。表計算の"
                "ファイルは共有フォルダに置きました。ご確認のほどよろしくお願いいたします。"
                "lunch の件も了解です。...\n";
        text += "/C|/al/acc/user" + std::to_string(100 + i % folders) + ".box/" + n +
                ".alm (2,345 bytes)\n\n\n\n\n";
    }
    return text + "現在のリスト: 1 - " + count + "\n";
}
