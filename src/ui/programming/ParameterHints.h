#pragma once

#include <QString>

class QWidget;

namespace velmar {
class FieldModel;
}

namespace velmar::ui {

class LayoutTexts;

// The hint of a control bound to a module parameter: its section, its
// caption, and "Parámetro : " with its parameter number ("Parámetro : a
// partir de " for a grid whose rows are consecutive parameters).
QString parameterHint(const QString &section, const QString &caption, int number, bool fromNumber);

// InicialitzaHint: every control under root that is bound to a parameter
// gets its hint, made again from the texts shown at each language change.
// Runs after the captions are set, so that it reads them in the new language.
void InicialitzaHint(QWidget *root, const FieldModel &fields, LayoutTexts &texts);

} // namespace velmar::ui
