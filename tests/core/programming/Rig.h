#pragma once

#include "core/diagnostics/Trace.h"
#include "core/link/CommandChannel.h"
#include "core/link/EventLog.h"
#include "core/link/Identification.h"
#include "core/link/LinkState.h"
#include "core/link/Scheduler.h"
#include "core/params/FieldModel.h"
#include "core/params/ParamCatalogue.h"
#include "core/programming/ModuleCommands.h"
#include "core/programming/ProgrammingState.h"
#include "core/programming/ReadCycle.h"
#include "core/programming/WriteCycle.h"
#include "core/base/Endpoints.h"

#include "support/Pty.h"

#include <QStringList>

namespace velmar::test {

// The user's answers to the core's questions, and the questions asked.
struct Answers : Prompts {
    bool answer = true;
    QList<Question> asked;
    bool ask(const Question &q) override
    {
        asked << q;
        return answer;
    }
};

struct Message {
    QString title;
    QString text;
    QString button;
    int seconds = 0;
};

// The programming cycles over a real command channel on a pseudo-terminal,
// wired as the engine wires them but on a scheduler whose clock the test
// moves. The test plays the module: it reads what was sent and feeds
// replies through the channel, then runs the timers' steps itself.
struct Rig {
    Pty pty;
    LinkState state;
    ManualScheduler scheduler;
    Trace trace;
    CommandChannel channel{state, scheduler, trace};
    Identification ident{state, channel, scheduler, trace};
    ParamCatalogue catalogue;
    FieldModel fields;
    EventLog log;
    Endpoints endpoints;
    ProgrammingState view;
    ReadCycle reader{state, channel, scheduler, trace, fields, ident, view};
    WriteCycle writer{state, channel, scheduler, trace, fields, ident, view, endpoints};
    ModuleCommands commands{state, channel, scheduler, fields, log, ident, view, reader};
    Answers answers;
    QList<Message> messages;

    Rig()
    {
        catalogue.Llegir_parametres();
        fields.InicialitzaPunters(catalogue);
        fields.Esborra_param();
        endpoints.publicMqttHost = QStringLiteral("mqtt.public.test");
        ReplyConsumers c;
        c.identification = &ident;
        c.read = &reader;
        c.write = &writer;
        channel.router().setConsumers(c);
        reader.showProgrammingView = [this] { commands.BBProgClick(); };
        writer.showProgrammingView = [this] { commands.BBProgClick(); };
        writer.passarPanelProgramacio = [this] { commands.PassarPanelProgramacio(); };
        view.setPrompts(&answers);
        QObject::connect(&view, &ProgrammingState::message,
                         [this](const QString &t, const QString &x, const QString &b, int s) {
                             messages << Message{t, x, b, s};
                         });
        channel.openPort(pty.slavePath());
        // A module is linked and identified, its stream on, the
        // programming view in front.
        state.circuit = true;
        state.circuittrobat = true;
        state.inf = true;
        view.panelmostrat = ProgrammingState::programacio();
        view.mostraestat = false;
    }

    // The commands sent since the last look, without their CR framing.
    QStringList sent()
    {
        const QByteArray bytes = pty.read(30);
        QStringList words;
        for (const QByteArray &w : bytes.split('\r'))
            if (!w.isEmpty())
                words << QString::fromLatin1(w);
        return words;
    }

    void reply(const char *text) { channel.receive(QByteArray(text)); }

    EditField *edit(const char *name) { return fields.edit(QString::fromLatin1(name)); }
    GridModel *grid(const char *name) { return fields.grid(QString::fromLatin1(name)); }
    CheckBoxField *box(const char *name) { return fields.checkBox(QString::fromLatin1(name)); }

    // A grid row's cells from column `from` on.
    QStringList row(const char *name, int r, int from = 0)
    {
        QStringList cells;
        GridModel *g = grid(name);
        for (int c = from; c < g->columns(); ++c)
            cells << g->cell(c, r);
        return cells;
    }
};

} // namespace velmar::test
