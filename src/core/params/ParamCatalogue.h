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
};

// The catalogue of module parameters, parsed from the firmware's own header
// (embedded as a resource), and the conversions between a four-character
// parameter code and the parameter number the program keys everything by.
class ParamCatalogue {
public:
    // Resource path of the embedded header.
    static QString resourcePath();

    // Llegir_parametres: (re)builds Llista_Param from the embedded header.
    void Llegir_parametres();
    // Parses header text (Windows-1252, CRLF or LF) into Llista_Param.
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
    // A whole block read: first two characters + "xx" (30xx, 85xx, 40xx);
    // the zone list (9101...) reads as "9xxx".
    static QString blockReadCode(int firstNumber);
    // One record of a block when written: the block's leading characters and
    // the record index (1-based) in hexadecimal; blocks of 16 records use two
    // leading characters and two index digits, blocks of 4 use three and one.
    static QString recordCode(int firstNumber, int index, int recordsInBlock);

private:
    QList<ParamPair> m_pairs;
};

} // namespace velmar
