#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace velmar {

// One "#define _name_ 0xCODE" line of the module's parameter header.
struct ParamPair {
    QString name;
    QString code;

    bool operator==(const ParamPair &) const = default;
};

// How a whole block is asked for in one read request.
enum class BlockRead {
    TwoDigits, // first two characters + "xx" (30xx, 85xx, 40xx)
    OneDigit,  // first character + "xxx": the bridged panel's blocks (9xxx)
};

// The catalogue of module parameters, parsed from the firmware's own header
// (embedded as a resource), and the conversions between a four-character
// parameter code and the parameter number the program keys everything by.
class ParamCatalogue {
public:
    // Resource path of the embedded header.
    static QString resourcePath();

    // Llegir_parametres: (re)builds Llista_Param from the embedded header.
    // False when the resource is missing (the list is then empty).
    bool Llegir_parametres();
    // Parses header text (Windows-1252, CRLF, LF or CR) into Llista_Param,
    // replacing what was there.
    void parse(const QByteArray &header);

    const QList<ParamPair> &Llista_Param() const { return m_pairs; }

    // Code text of the first pair whose name matches without regard to case;
    // empty when there is none.
    QString code(QStringView name) const;

    // Code to parameter number, for the four characters between "+" and ":"
    // of a reply. aguileraPageShown: the Aguilera panel page is the one shown.
    // No value means the reply is to be ignored.
    static std::optional<int> numberFromCode(QStringView code, bool aguileraPageShown);

    // Single parameter: the number as four decimal digits (102 -> "0102").
    static QString codeFromNumber(int number);
    // A whole block asked for at once: the read request is "vm+" and this.
    static QString blockReadCode(int firstNumber, BlockRead shape = BlockRead::TwoDigits);
    // One record of a block when written: the block's leading characters and
    // the record index (1-based) in hexadecimal; blocks of more than 4 records
    // use two leading characters and two index digits, blocks of 4 or fewer
    // use three and one.
    static QString recordCode(int firstNumber, int index, int recordsInBlock);
    // One record of a block from the block's first code: first code + row - 1
    // in hexadecimal, four upper-case digits (9101, row 1000 -> "94E8").
    // Empty when the first code is not hexadecimal or the result leaves
    // four digits.
    static QString recordCode(QStringView firstCode, int row);

private:
    QList<ParamPair> m_pairs;
};

} // namespace velmar
