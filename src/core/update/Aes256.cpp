#include "core/update/Aes256.h"

#include <openssl/evp.h>

#include <memory>

namespace velmar {

namespace {

constexpr qsizetype kKeyBytes = 32;
constexpr qsizetype kBlock = 16;
// EVP takes int lengths; larger inputs go through in slices.
constexpr qsizetype kSlice = qsizetype(1) << 20;

struct CtxFree {
    void operator()(EVP_CIPHER_CTX *c) const { EVP_CIPHER_CTX_free(c); }
};

QByteArray run(QByteArrayView key, QByteArrayView blocks, bool encrypt)
{
    if (key.size() != kKeyBytes || blocks.size() % kBlock != 0)
        return {};
    if (blocks.isEmpty())
        return QByteArray();
    std::unique_ptr<EVP_CIPHER_CTX, CtxFree> ctx(EVP_CIPHER_CTX_new());
    if (!ctx)
        return {};
    const auto *k = reinterpret_cast<const unsigned char *>(key.data());
    if (EVP_CipherInit_ex(ctx.get(), EVP_aes_256_ecb(), nullptr, k, nullptr, encrypt ? 1 : 0) != 1)
        return {};
    EVP_CIPHER_CTX_set_padding(ctx.get(), 0);

    QByteArray out(blocks.size(), Qt::Uninitialized);
    auto *dst = reinterpret_cast<unsigned char *>(out.data());
    const auto *src = reinterpret_cast<const unsigned char *>(blocks.data());
    qsizetype done = 0;
    while (done < blocks.size()) {
        const int len = static_cast<int>(std::min(kSlice, blocks.size() - done));
        int outLen = 0;
        if (EVP_CipherUpdate(ctx.get(), dst + done, &outLen, src + done, len) != 1 || outLen != len)
            return {};
        done += len;
    }
    int tail = 0;
    if (EVP_CipherFinal_ex(ctx.get(), dst + done, &tail) != 1 || tail != 0)
        return {};
    return out;
}

} // namespace

QByteArray aes256EcbEncrypt(QByteArrayView key, QByteArrayView blocks)
{
    return run(key, blocks, true);
}

QByteArray aes256EcbDecrypt(QByteArrayView key, QByteArrayView blocks)
{
    return run(key, blocks, false);
}

} // namespace velmar
