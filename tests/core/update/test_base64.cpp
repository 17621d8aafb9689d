#include "core/update/Base64.h"

#include <gtest/gtest.h>

#include <QString>

using namespace velmar;

TEST(Base64, Rfc4648Vectors)
{
    const std::pair<const char *, const char *> cases[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
    };
    for (const auto &[plain, encoded] : cases) {
        EXPECT_EQ(base64Encode(QByteArray(plain)), QByteArray(encoded));
        EXPECT_EQ(base64Decode(QString::fromLatin1(encoded)), std::optional<QByteArray>(plain)) << encoded;
    }
}

TEST(Base64, DecodeDropsForeignCharactersAndRefusesFourKPlusOne)
{
    EXPECT_EQ(base64Decode(u"Zm9v\r\nYmFy"), std::optional<QByteArray>("foobar"));
    EXPECT_EQ(base64Decode(u"Zm8"), std::optional<QByteArray>("fo"));    // 4k+3, no padding
    EXPECT_EQ(base64Decode(u"Zg"), std::optional<QByteArray>("f"));      // 4k+2
    EXPECT_EQ(base64Decode(u"=Z=g=="), std::optional<QByteArray>("f"));  // "=" anywhere is dropped
    EXPECT_EQ(base64Decode(u"-_.\u00e9"), std::optional<QByteArray>(QByteArray()));
    EXPECT_EQ(base64Decode(u"Zm9vY"), std::nullopt);                     // 4k+1
    EXPECT_EQ(base64Decode(u"Z"), std::nullopt);
    EXPECT_EQ(base64Decode(u"Zm9v Y==="), std::nullopt);
    // All 64 digits, in order, decode to the bytes that encode back to them.
    const QByteArray all = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    EXPECT_EQ(base64Encode(base64Decode(QString::fromLatin1(all)).value()), all);
}
