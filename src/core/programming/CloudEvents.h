#pragma once

#include <QString>

namespace velmar {

// The installation's event history in the cloud, as far as the module
// commands write to it. The cloud session implements it; until then the
// events go nowhere.
class CloudEvents {
public:
    virtual ~CloudEvents() = default;
    // Adds an event with its code and text, when the internet is reachable.
    virtual void addEvent(const QString &code, const QString &text) = 0;
};

class NoCloudEvents : public CloudEvents {
public:
    void addEvent(const QString &, const QString &) override {}
};

} // namespace velmar
