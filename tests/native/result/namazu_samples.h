#pragma once

#include <string>

// What namazu 2.0.21 writes for two indexes with Lang ja_JP.SJIS and the
// account REPLACE rule, line ends as given. The first subject itself holds
// an English score marker.
inline std::string Namazu20Result(const std::string& eol) {
    const std::string gap = eol + eol + eol + eol + eol;
    return "検索結果" + eol + eol + "参考ヒット数: " + eol +
           "(/al/acc/Namazu/user001) [ 予算: 2 ] " + eol + "(/al/acc/Namazu/inbox) [ 予算: 1 ] " +
           eol + eol + "検索式にマッチする 3 個の文書が見つかりました。" + eol + eol +
           "1. 予算の会議 (score: 1) (スコア: 18)" + eol + "著者: Taro <taro@example.jp>" + eol +
           "日付: Tue, 1 Dec 2026 10:01:00 +0900" + eol +
           "来週の予算について相談します。lunch もどうぞ。" + eol +
           "/C|/al/acc/user001.box/1.alm (276 bytes)" + gap + "2. 表計算の予算 (スコア: 18)" + eol +
           "著者: Jiro <j@example.jp>" + eol + "日付: Tue, 1 Dec 2026 10:03:00 +0900" + eol + eol +
           "予算表を送ります lunch" + eol + "/C|/al/acc/inbox.box/3.alm (234 bytes)" + gap +
           "3. Re: lunch (スコア: 2)" + eol + "/C|/al/acc/予定表/2.alm (235 bytes)" + gap +
           "現在のリスト: 1 - 3" + eol;
}
