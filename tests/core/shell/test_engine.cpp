#include "core/shell/Engine.h"

#include <gtest/gtest.h>

using namespace velmar;

// The wiring of the core: a record framed by the channel reaches the
// interpreter, whose effects land in the shared state, the status and the log.
TEST(Engine, StreamRecordsReachTheInterpreterOnlyWhileTheStreamIsOn)
{
    Engine e{Endpoints{}};
    e.channel.receive("{#1ACME|Inst|Ref|VLM42:3566|BC600}");
    EXPECT_TRUE(e.state.identConnectar.isEmpty());

    e.channel.receive("+Inf:\r{#1ACME|Inst|Ref|VLM42:3566|BC600#3Puerta|Ventana}");
    EXPECT_TRUE(e.state.inf);
    EXPECT_EQ(e.state.identConnectar, QStringLiteral("VLM42"));
    EXPECT_EQ(e.state.central, QStringLiteral("BC600"));
    EXPECT_EQ(e.status.inputAlias(1), QStringLiteral("Puerta"));
}

TEST(Engine, EveryControlIsBoundAndALostPortClearsTheFields)
{
    Engine e{Endpoints{}};
    auto *empresa = e.fields.edit(u"EProgEmpresa");
    ASSERT_NE(empresa, nullptr);
    EXPECT_EQ(empresa->Tag, 102);
    e.state.identConnectar = QStringLiteral("VLM42");
    e.channel.send(QStringLiteral("vm+ver")); // no port: the link is lost
    EXPECT_TRUE(e.state.identConnectar.isEmpty());
    EXPECT_FALSE(e.state.circuit);
}
