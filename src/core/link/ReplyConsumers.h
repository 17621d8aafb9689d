#pragma once

#include <QString>

namespace velmar {

// The components a complete reply can be routed to. Each reads LinkState::StrCom
// (already set by the router) or the reply passed in; later subsystems
// implement them. A missing consumer simply takes nothing.

class IdentificationSink {
public:
    virtual ~IdentificationSink() = default;
    // "+ver:" / "+vEr:" arrived: TimerCircuit runs at once.
    virtual void identificationReply() = 0;
};

class ReadCycleSink {
public:
    virtual ~ReadCycleSink() = default;
    // One "+85xx" operator line while the module is identified.
    virtual void operatorLine(const QString &reply) = 0;
    // One line of the bulk dump: taken into the editor pages at once.
    virtual void dumpLine(const QString &reply) = 0;
    // The awaited reply of a page read arrived: TimerLlegir runs at once.
    virtual void readReply() = 0;
    // Factory values were restored: read everything again.
    virtual void startFullRead() = 0;
};

class WriteCycleSink {
public:
    virtual ~WriteCycleSink() = default;
    // The awaited echo of a write arrived: TimerGravar runs at once.
    virtual void writeReply() = 0;
    // The module erased or re-initialised its programming: TimerGravar stops.
    virtual void stopWrite() = 0;
};

class InfoSink {
public:
    virtual ~InfoSink() = default;
    // An information-stream record "{#...}" (Llegir_In).
    virtual void infoRecord(const QString &record) = 0;
};

class UpdateRelaySink {
public:
    virtual ~UpdateRelaySink() = default;
    // Firmware-update traffic, from "+U" to the end of the reply.
    virtual void relayUpdate(const QString &fromU) = 0;
};

struct ReplyConsumers {
    IdentificationSink *identification = nullptr;
    ReadCycleSink *read = nullptr;
    WriteCycleSink *write = nullptr;
    InfoSink *info = nullptr;
    UpdateRelaySink *update = nullptr;
};

} // namespace velmar
