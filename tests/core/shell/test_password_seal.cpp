#include "core/shell/PasswordSeal.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace velmar;

TEST(PasswordSeal, OpensOnlyWhatItSealedUnderTheSameKey)
{
    const QByteArray key(32, '\x11');
    const QString password = QStringLiteral("contraseña \u4e2d");
    const QString sealed = PasswordSeal::sealWithKey(key, password);
    ASSERT_TRUE(PasswordSeal::isSealed(sealed));
    EXPECT_EQ(PasswordSeal::openWithKey(key, sealed), password);
    EXPECT_NE(PasswordSeal::sealWithKey(key, password), sealed);  // fresh nonce each time

    EXPECT_EQ(PasswordSeal::openWithKey(QByteArray(32, '\x12'), sealed), std::nullopt);
    QString flipped = sealed;  // a character well inside, whose six bits all count
    flipped[15] = flipped.at(15) == u'A' ? u'B' : u'A';
    EXPECT_EQ(PasswordSeal::openWithKey(key, flipped), std::nullopt);
    EXPECT_EQ(PasswordSeal::openWithKey(key, sealed.left(20)), std::nullopt);
    EXPECT_EQ(PasswordSeal::openWithKey(key, u"plain password"), std::nullopt);
}

TEST(PasswordSeal, SecretFileIsMadeOnceAndADamagedOneIsReplaced)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("sub/secret.key");
    const PasswordSeal seal(file);
    EXPECT_EQ(seal.seal(QString()), QString());
    EXPECT_FALSE(QFile::exists(file));

    const QString a = seal.seal("one");
    const QString b = seal.seal("two");
    EXPECT_EQ(seal.open(a), QStringLiteral("one"));
    EXPECT_EQ(seal.open(b), QStringLiteral("two"));
    EXPECT_EQ(seal.open("not sealed"), QStringLiteral("not sealed"));

    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("short");
    f.close();
    EXPECT_EQ(seal.open(a), QString());
    const QString c = seal.seal("three");
    EXPECT_EQ(seal.open(c), QStringLiteral("three"));
    EXPECT_EQ(QFile(file).size(), 32);
}
