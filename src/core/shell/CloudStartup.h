#pragma once

#include <QString>

namespace velmar {

// What the first activation of the window asks of the cloud: reachability,
// the version check and the sign-in. The cloud client implements it; until
// then the program works offline.
class CloudStartup {
public:
    virtual ~CloudStartup() = default;
    virtual bool ConnexioInternet() = 0;
    // False: this version may not run any more (the program ends).
    virtual bool ComprovaVersioRTDB() = 0;
    // Empty unless the cloud reported an error.
    virtual QString ErrorFirebase() const = 0;
    // Runs the account dialog; false when no account signed in (the program ends).
    virtual bool signIn() = 0;
    virtual QString token() const = 0;
    virtual QString EmpresaEmail() const = 0;
};

// No cloud at all: the program starts offline.
class OfflineCloud : public CloudStartup {
public:
    bool ConnexioInternet() override { return false; }
    bool ComprovaVersioRTDB() override { return true; }
    QString ErrorFirebase() const override { return {}; }
    bool signIn() override { return false; }
    QString token() const override { return {}; }
    QString EmpresaEmail() const override { return {}; }
};

} // namespace velmar
