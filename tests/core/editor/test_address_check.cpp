#include "core/editor/AddressCheck.h"

#include <gtest/gtest.h>

using namespace velmar::editor;

namespace {

struct AddressCase {
    const char *text;
    bool valid;
};

TEST(AddressCheck, DottedAddresses)
{
    for (const AddressCase c : {
             AddressCase{"192.168.1.10", true},
             AddressCase{"0.0.0.0", true},
             AddressCase{"255.255.255.0", true},
             AddressCase{"192.168.1.256", false},
             AddressCase{"300.1.1.1", false},
             AddressCase{"10.0.0", false},
             AddressCase{"router.local", false},
             // A search, not a whole-text match: an address inside the text passes.
             AddressCase{" 10.0.0.1 ", true},
             AddressCase{"1.2.3.4.5", true},
         }) {
        EXPECT_EQ(IPIncorrecta(QString::fromLatin1(c.text)), c.valid) << c.text;
        EXPECT_EQ(ipRejected(QString::fromLatin1(c.text)), !c.valid) << c.text;
    }
    // An empty box is never rejected.
    EXPECT_FALSE(ipRejected(QString()));
}

TEST(AddressCheck, EmailAddressesAndLists)
{
    for (const AddressCase c : {
             AddressCase{"tecnico@velmar.es", true},
             AddressCase{"ana.b-c@mail-x.example.com", true},
             AddressCase{"a1@b.co", true},
             AddressCase{"tecnico@velmar", false},
             AddressCase{"tecnico.velmar.es", false},
             AddressCase{".tecnico@velmar.es", false},
             AddressCase{"tecnico@velmar.españa", false},
             AddressCase{"uno@velmar.es;dos@velmar.es", true},
             AddressCase{"uno@velmar.es;  dos@velmar.es", true},
             AddressCase{"uno@velmar.es, dos@velmar.es", true},
             AddressCase{"uno@velmar.es;dos", false},
             AddressCase{"uno@velmar.es;", false},
             // ";" splits first: the comma stays inside a piece.
             AddressCase{"uno@velmar.es,dos@velmar.es;tres@velmar.es", false},
         }) {
        EXPECT_EQ(EmailInCorrecte(QString::fromUtf8(c.text)), c.valid) << c.text;
        EXPECT_EQ(emailRejected(QString::fromUtf8(c.text)), !c.valid) << c.text;
    }
    EXPECT_FALSE(emailRejected(QString()));
}

} // namespace
