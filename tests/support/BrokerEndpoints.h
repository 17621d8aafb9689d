#pragma once

#include "core/base/Endpoints.h"
#include "support/MosquittoBroker.h"

namespace velmar::test {

// The program's endpoint settings pointed at a throw-away broker.
inline Endpoints brokerEndpoints(const MosquittoBroker &broker, Endpoints e = {})
{
    e.brokerHost = broker.host();
    e.brokerPort = broker.port();
    e.brokerUser = broker.user();
    e.brokerPassword = broker.password();
    return e;
}

} // namespace velmar::test
