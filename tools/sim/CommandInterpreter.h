#pragma once

#include <QString>

namespace velmar::sim {

class Module;

// The module's side of the command language: takes one received line
// ("vm+ver", "vm+0102=Acme", "vm+96xx=0", ...) and answers it on the module;
// "mv=" lines go to its GSM modem.
class CommandInterpreter {
public:
    explicit CommandInterpreter(Module &m) : m(m) {}

    // Returns false when the line is not a command the module knows.
    bool handle(const QString &line);

private:
    void identify(bool extended);
    void readOne(quint16 code);
    void writeOne(quint16 code, const QString &value);
    void readBlock(const QString &pattern);
    void erase(const QString &pattern, const QString &value);
    void dump();
    void factoryReset();
    void accessCode(const QString &code);
    void switchOutputs(const QString &pattern);
    void panelOrder(const QString &word);
    void diagnostics(const QString &word);
    void modem(const QString &command);
    bool refuseWhileLocked(const QString &word);

    Module &m;
};

} // namespace velmar::sim
