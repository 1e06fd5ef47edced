#!/usr/bin/env python3
"""Writes a sample mail account directory laid out like AL-Mail32 keeps it.

    make_sample_mailbox.py OUTDIR [--seed S] [--mails N] [--folders K] [--base64-half]

OUTDIR receives account.ini, inbox.box, outbox.box, K plain folders
user001.box... and a container folder holding a mail folder and a further
container, each mail folder with N mails 1.alm... The content is random but
fixed by the seed. Every mail folder's 1.alm contains each of KNOWN_WORDS, and
later mails contain them now and then, so that searches have hits to find.
INI files are Shift-JIS with CRLF; mails are ISO-2022-JP with CRLF. With
--base64-half every even-numbered mail carries the same text as UTF-8 in
base64 instead, as most mail sent today does.
"""

import argparse
import base64
import datetime
import os
import random

KNOWN_WORDS = ["予算", "会議", "budget"]

JAPANESE_WORDS = [
    "予算", "会議", "資料", "報告", "確認", "連絡", "打ち合わせ", "予定", "開発", "検索",
    "日程", "見積", "契約", "出張", "研修", "議事録", "提案", "請求書", "納品", "仕様",
    "品質", "試験", "設計", "営業", "東京", "大阪", "来週", "明日", "部長", "担当",
    "表計算", "ソフト", "サーバ", "移行", "障害", "対応", "訪問", "発注", "在庫", "計画",
]
ENGLISH_WORDS = [
    "budget", "meeting", "report", "schedule", "release", "review", "invoice", "project",
    "deadline", "server", "backup", "update", "lunch", "design", "test", "customer",
    "office", "travel", "contract", "quality", "network", "printer", "summary", "plan",
]
PEOPLE = [
    ("山田 太郎", "yamada"), ("鈴木 花子", "suzuki"), ("佐藤 一郎", "sato"),
    ("田中 美咲", "tanaka"), ("高橋 健", "takahashi"), ("伊藤 直子", "ito"),
    ("渡辺 誠", "watanabe"), ("John Smith", "john"), ("Mary Brown", "mary"),
]
JAPANESE_ENDINGS = ["について", "の件", "をお願いします", "を確認しました", "の予定です", "は来週です"]

FIRST_DATE = datetime.datetime(2001, 1, 4, 9, 0, tzinfo=datetime.timezone(datetime.timedelta(hours=9)))


class Folder:
    def __init__(self, number, title, children=()):
        self.number = number
        self.title = title
        self.children = list(children)

    @property
    def name(self):
        return "user%03d.box" % self.number

    @property
    def is_container(self):
        return bool(self.children)


def folder_tree(plain_folder_count):
    """The plain folders, then a container with a nested container two levels deep."""
    titles = ["仕事", "ソフトウェア", "English", "家族", "旅行", "趣味", "会計", "古い記録"]
    folders = [Folder(i + 1, titles[i % len(titles)] + ("" if i < len(titles) else str(i)))
               for i in range(plain_folder_count)]
    n = plain_folder_count
    inner = Folder(n + 3, "予定表", [Folder(n + 4, "ソフト開発")])
    folders.append(Folder(n + 1, "プロジェクト", [Folder(n + 2, "会議録"), inner]))
    return folders


def order_of(folders):
    return "".join("%03d" % f.number for f in folders)


def write_ini(path, values):
    lines = ["[Property]"] + ["%s=%s" % item for item in values]
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp932"))


def encoded_word(text):
    """A header text, MIME-encoded in ISO-2022-JP when it is not plain ASCII."""
    if text.isascii():
        return text
    pieces = [text[i:i + 8] for i in range(0, len(text), 8)]
    return " ".join("=?ISO-2022-JP?B?%s?=" % base64.b64encode(p.encode("iso-2022-jp")).decode("ascii")
                    for p in pieces)


def address(person):
    name, user = person
    return "%s <%s@example.jp>" % (encoded_word(name), user)


def japanese_sentence(rng, words):
    return "".join(w + rng.choice(["の", "と", "、"]) for w in words[:-1]) + words[-1] + rng.choice(JAPANESE_ENDINGS) + "。"


def english_sentence(rng, words):
    text = " ".join(words)
    return text[0].upper() + text[1:] + rng.choice([".", " today.", " next week.", "?"])


def body_lines(rng, must_contain):
    lines = []
    for _ in range(rng.randint(3, 12)):
        if rng.random() < 0.6:
            lines.append(japanese_sentence(rng, rng.sample(JAPANESE_WORDS, rng.randint(1, 3))))
        else:
            lines.append(english_sentence(rng, rng.sample(ENGLISH_WORDS, rng.randint(2, 6))))
    if must_contain:
        lines.append("%sの%sについて、%s を確認してください。" % tuple(must_contain))
    return lines


def subject(rng, must_contain):
    if must_contain:
        return "%sと%s" % (must_contain[0], must_contain[1])
    if rng.random() < 0.7:
        return "".join(rng.sample(JAPANESE_WORDS, 2)) + rng.choice(["の件", "について", ""])
    return " ".join(rng.sample(ENGLISH_WORDS, 3)).capitalize()


def mail_text(rng, number, date, must_contain, base64_body=False):
    sender, receiver = rng.sample(PEOPLE, 2)
    headers = [
        "Date: " + date.strftime("%a, %d %b %Y %H:%M:%S +0900"),
        "From: " + address(sender),
        "To: " + address(receiver),
        "Subject: " + encoded_word(subject(rng, must_contain)),
        "Message-Id: <%d.%d@sample.example.jp>" % (number, rng.randrange(10 ** 9)),
        "MIME-Version: 1.0",
    ]
    body = "\r\n".join(body_lines(rng, must_contain)) + "\r\n"
    if base64_body:
        headers += ["Content-Type: text/plain; charset=UTF-8", "Content-Transfer-Encoding: base64"]
        encoded = base64.encodebytes(body.encode("utf-8")).replace(b"\n", b"\r\n")
        return ("\r\n".join(headers) + "\r\n\r\n").encode("iso-2022-jp") + encoded
    headers += ["Content-Type: text/plain; charset=ISO-2022-JP", "Content-Transfer-Encoding: 7bit"]
    return ("\r\n".join(headers) + "\r\n\r\n" + body).encode("iso-2022-jp")


def write_mails(directory, relative_name, seed, mail_count, base64_half=False):
    # Seeded by the folder's place in the account, not by OUTDIR, so that
    # the same seed gives the same mails wherever they are written.
    rng = random.Random("%s:%s" % (seed, relative_name))
    date = FIRST_DATE
    for number in range(1, mail_count + 1):
        date += datetime.timedelta(minutes=rng.randint(5, 60 * 24))
        must_contain = KNOWN_WORDS if number == 1 or rng.random() < 0.3 else None
        with open(os.path.join(directory, "%d.alm" % number), "wb") as f:
            f.write(mail_text(rng, number, date, must_contain, base64_half and number % 2 == 0))


def write_folder(outdir, parent, folder, seed, mail_count, base64_half):
    directory = os.path.join(outdir, parent, folder.name)
    os.makedirs(directory, exist_ok=True)
    if folder.is_container:
        write_ini(os.path.join(directory, "entry.ini"),
                  [("Title", folder.title), ("Type", "Subfolder"), ("Order", order_of(folder.children))])
        for child in folder.children:
            write_folder(outdir, os.path.join(parent, folder.name), child, seed, mail_count,
                         base64_half)
    else:
        write_ini(os.path.join(directory, "entry.ini"), [("Title", folder.title), ("Type", "Mail")])
        write_mails(directory, os.path.join(parent, folder.name), seed, mail_count, base64_half)


def write_account(outdir, seed, mail_count, plain_folder_count, base64_half=False):
    os.makedirs(outdir, exist_ok=True)
    folders = folder_tree(plain_folder_count)
    # "T" stands for the host's own entry that has no folder directory.
    write_ini(os.path.join(outdir, "account.ini"), [("Order", "IO" + order_of(folders) + "T")])
    for special in ["inbox.box", "outbox.box"]:
        directory = os.path.join(outdir, special)
        os.makedirs(directory, exist_ok=True)
        write_mails(directory, special, seed, mail_count, base64_half)
    for folder in folders:
        write_folder(outdir, "", folder, seed, mail_count, base64_half)


def main():
    parser = argparse.ArgumentParser(description="Write a sample AL-Mail32 account directory.")
    parser.add_argument("outdir")
    parser.add_argument("--seed", default="1", help="seed of the random content (default 1)")
    parser.add_argument("--mails", type=int, default=10, help="mails per mail folder (default 10)")
    parser.add_argument("--folders", type=int, default=3,
                        help="plain folders beside the container (default 3)")
    parser.add_argument("--base64-half", action="store_true",
                        help="every even-numbered mail as UTF-8 in base64")
    args = parser.parse_args()
    write_account(args.outdir, args.seed, args.mails, args.folders, args.base64_half)


if __name__ == "__main__":
    main()
