#pragma once

#include <QString>

namespace velmar::editor {

// The address checks of the single edit boxes.

// IPIncorrecta: true when the text contains a dotted IPv4 address (a search,
// not a whole-text match). Despite the name, true means the box may be left.
bool IPIncorrecta(const QString &text);

// EmailInCorrecte: true when the text is one e-mail address, or a list of
// them separated by ";" (or, failing that, by ","), every piece an address
// once its leading blanks are removed. As with IPIncorrecta, true means valid.
bool EmailInCorrecte(const QString &text);

// Whether leaving a box with this text shows the address message: only a
// non-empty text that fails its check.
bool ipRejected(const QString &text);
bool emailRejected(const QString &text);

} // namespace velmar::editor
