#pragma once

#include <QString>

namespace velmar {

// A question put to the user with two answers (a confirmation dialog).
struct Question {
    QString title;
    QString text;
    QString yes; // caption of the first button, with its layout blanks
    QString no;
};

// What the window implements so that the core can ask before an order that
// cannot be undone. The core never shows anything itself.
class Prompts {
public:
    virtual ~Prompts() = default;
    // True when the user chose the first answer.
    virtual bool ask(const Question &q) = 0;
};

} // namespace velmar
