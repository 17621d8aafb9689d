#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <memory>

class QFont;
class QWidget;

namespace velmar::ui {

enum class DlgType { Warning, Error, Information, Confirmation, Custom };

// Every message of the program goes through these. Captions are given by the
// caller (translated, with their layout blanks) and replace the standard
// captions of the first buttons in the standard buttons' order (Yes, No, OK,
// Cancel, Abort, Retry, Ignore, ...), wherever the desktop lays them out.
int ElMeuMessageDlg(const QString &title, const QString &message, DlgType type,
                    const QStringList &captions, QMessageBox::StandardButtons buttons,
                    QWidget *parent = nullptr);

// The same box, closing itself after the given seconds with the cancel result.
int ElMeuMessageDlgTemps(const QString &title, const QString &message, DlgType type, int seconds,
                         const QStringList &captions, QMessageBox::StandardButtons buttons,
                         QWidget *parent = nullptr);

// The box for a message that needs no answer: shown without waiting for it
// (window-modal over its parent), so that the timers and steps of the caller
// go on while it is on screen; with seconds > 0 it closes itself then. It
// deletes itself.
void ElMeuMessageDlgOpen(const QString &title, const QString &message, DlgType type, int seconds,
                         const QStringList &captions, QMessageBox::StandardButtons buttons,
                         QWidget *parent = nullptr);

// New-version box: the message followed by a "Descargar ahora" link to
// downloadPage; following the link opens the page and ends the program.
void ElMeuMessageDlgHyperlink(const QString &title, const QString &message,
                              const QString &downloadPage, QWidget *parent = nullptr);

// Width of a text in a font plus a margin that grows with the resolution
// (10 px at 96 dpi, 20 at 120, 30 at 144, 40 at 168, none otherwise).
int GetWidthText(const QString &text, const QFont &font);
int GetWidthText(const QString &text, const QFont &font, int dpi);

// Builds the box ElMeuMessageDlg shows, without showing it (tests look at it).
std::unique_ptr<QMessageBox> buildMessageDlg(const QString &title, const QString &message,
                                             DlgType type, const QStringList &captions,
                                             QMessageBox::StandardButtons buttons,
                                             QWidget *parent = nullptr);
std::unique_ptr<QMessageBox> buildHyperlinkDlg(const QString &title, const QString &message,
                                               const QString &downloadPage,
                                               QWidget *parent = nullptr);

} // namespace velmar::ui
