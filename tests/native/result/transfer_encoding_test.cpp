#include "result/transfer_encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(TransferEncoding, Base64IsTolerant) {
    EXPECT_EQ(DecodeBase64("44GT44KT\r\n44Gr44Gh\n44Gv"), "\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB"
                                                          "\xE3\x81\xA1\xE3\x81\xAF");
    EXPECT_EQ(DecodeBase64("YWJj ZA"), "abcd");   // missing padding
    EXPECT_EQ(DecodeBase64("YQ==Yg=="), "ab");    // two pieces one after the other
    EXPECT_EQ(DecodeBase64("Y*W!J\x82j"), "abc"); // stray bytes skipped
    EXPECT_EQ(DecodeBase64("Y"), "");             // not a whole byte
}

TEST(TransferEncoding, QuotedPrintableAndQ) {
    EXPECT_EQ(DecodeQuotedPrintable("a=3Db=3db=\r\nc=  \nd=\ne"), "a=b=bcde");
    EXPECT_EQ(DecodeQuotedPrintable("100% =XY = end="), "100% =XY = end");
    EXPECT_EQ(DecodeQEncoding("Caf=E9_au_lait"), "Caf\xE9 au lait");
    EXPECT_EQ(DecodeTransferEncoding("YQ==", "BASE64"), "a");
    EXPECT_EQ(DecodeTransferEncoding("a=3D", "Quoted-Printable"), "a=");
    EXPECT_EQ(DecodeTransferEncoding("a=3D", "8bit"), "a=3D");
}

} // namespace
