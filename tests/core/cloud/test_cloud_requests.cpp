// How the client addresses the database: each level of a path stays one
// level of the address whatever it holds, and query values travel encoded,
// so data typed by the user cannot add parameters (such as another `auth`).

#include "core/cloud/FirebaseClient.h"
#include "core/diagnostics/Trace.h"

#include <gtest/gtest.h>

#include <QUrlQuery>

using velmar::cloud::FirebaseClient;

namespace {

TEST(CloudAddress, LevelsAndQueryEncoded)
{
    velmar::Endpoints endpoints;
    endpoints.cloudDatabaseUrl = QStringLiteral("http://127.0.0.1:9000/");
    velmar::Trace trace;
    FirebaseClient client(endpoints, trace);
    const struct {
        QString path;
        velmar::cloud::CloudQuery query;
        QString url;
    } cases[] = {
        {"Events/VLM0042", {{"orderBy", "\"Created\""}, {"limitToLast", "100"}},
         "http://127.0.0.1:9000/Events/VLM0042.json?orderBy=%22Created%22&limitToLast=100"},
        {"Companies/A&B? x#1/KeyCom", {},
         "http://127.0.0.1:9000/Companies/A%26B%3F%20x%231/KeyCom.json"},
        {"Users/ana.perez@correo.es", {}, "http://127.0.0.1:9000/Users/ana%2Cperez@correo%2Ces.json"},
        {"Equipments", {{"orderBy", "\"Company\""}, {"equalTo", "\"A&auth=x\""}},
         "http://127.0.0.1:9000/Equipments.json?orderBy=%22Company%22&equalTo=%22A%26auth%3Dx%22"},
        {"", {}, "http://127.0.0.1:9000/.json"},
    };
    for (const auto &c : cases) {
        const QUrl url = client.databaseUrl(c.path, c.query);
        EXPECT_EQ(url.toString(QUrl::FullyEncoded).replace("%40", "@").toStdString(), c.url.toStdString()) << c.path.toStdString();
        EXPECT_FALSE(QUrlQuery(url).hasQueryItem("auth")) << c.path.toStdString();
    }
}

} // namespace
