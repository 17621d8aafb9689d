#pragma once

#include "core/shell/CloudStartup.h"

#include <functional>

namespace velmar {

class CloudDirectory;

// The first activation's questions to the cloud answered by the directory.
// The window asks them one after the other and needs each answer before
// the next, so each waits for its operation's signal in a local loop that
// takes no user input; every request ends by its time-out, so no wait lasts
// longer than that.
class CloudStartupSession : public CloudStartup {
public:
    explicit CloudStartupSession(CloudDirectory &cloud);

    // The account dialog; without one the stored credentials sign in.
    void setAccountDialog(std::function<bool()> dialog) { m_dialog = std::move(dialog); }

    bool ConnexioInternet() override;
    bool ComprovaVersioRTDB() override;
    QString ErrorFirebase() const override;
    bool signIn() override;
    QString token() const override;
    QString EmpresaEmail() const override;

private:
    CloudDirectory &m_cloud;
    std::function<bool()> m_dialog;
};

} // namespace velmar
