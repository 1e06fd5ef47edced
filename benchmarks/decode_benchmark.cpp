// Decodes a 5 MB mail of Japanese UTF-8 text in base64, as today's mail
// comes, and compares it with copying the same file bytes.
#include "result/decoded_mail.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

const size_t kMailSize = 5 * 1024 * 1024;
const size_t kBase64LineLength = 76;

double Seconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string Base64(const std::string& bytes) {
    static const char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        unsigned group = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size())
            group |= static_cast<unsigned char>(bytes[i + 2]);
        for (size_t k = 0; k < 4; ++k)
            out += i + k <= bytes.size() ? kAlphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
        if (out.size() % (kBase64LineLength + 2) == kBase64LineLength)
            out += "\r\n";
    }
    return out;
}

std::string GeneratedMail() {
    const std::string line =
        u8"本日の会議の資料をお送りします。ご確認のほど、よろしくお願いいたします。"
        u8"Namazu で検索できます。\r\n";
    std::string text;
    while (text.size() < kMailSize / 4 * 3)
        text += line;
    return "From: =?UTF-8?B?5bGx55Sw?= <yamada@example.jp>\r\n"
           "Subject: =?UTF-8?B?5Lya6K2w44Gu6LOH5paZ?=\r\n"
           "MIME-Version: 1.0\r\n"
           "Content-Type: text/plain; charset=\"UTF-8\"\r\n"
           "Content-Transfer-Encoding: base64\r\n"
           "\r\n" +
           Base64(text) + "\r\n";
}

} // namespace

int main() {
    const std::string mail = GeneratedMail();
    double decodeBest = 1e9, copyBest = 1e9;
    size_t decodedSize = 0;
    for (int round = 0; round < 7; ++round) {
        double start = Seconds();
        decodedSize = DecodedMailText(mail).size();
        decodeBest = std::min(decodeBest, Seconds() - start);
        start = Seconds();
        const std::string copy = mail;
        copyBest = std::min(copyBest, Seconds() - start);
        if (copy.size() != mail.size())
            return 1;
    }
    std::printf("mail: %zu bytes, decoded view: %zu bytes\n", mail.size(), decodedSize);
    std::printf("DecodedMailText: %.2f ms\n", decodeBest * 1000);
    std::printf("copying the file bytes: %.2f ms\n", copyBest * 1000);
    std::printf("ratio: %.1fx the copy\n", decodeBest / copyBest);
    return 0;
}
