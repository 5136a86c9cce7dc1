#pragma once

#include "dictionaries/UserInterface.h"

#include <QStringList>

class QWidget;

namespace corvid::app {

class CHelpWindow;

// Help Topics: the user guide of the current language (else the first of
// the others found beside the program) in the program's help window; a
// message box when there is none.
void ShowHelpTopics(IUserInterface& ui, QWidget& frame);
// Revision History: the PDF of the current language through the desktop;
// when the desktop cannot open it (or it is missing), the Markdown it was
// typeset from in the help window; a message box when neither is there.
void ShowRevisionHistory(IUserInterface& ui, QWidget& frame);

// The frame's help window, made at its first use.
CHelpWindow& HelpWindowOf(QWidget& frame);

// The files tried, in order, for a language.
QStringList HelpFileNames(int languageId);
QStringList RevisionHistoryNames(int languageId);
// The Markdown a revision history PDF is typeset from, beside it.
QString RevisionHistorySource(const QString& pdfName);

} // namespace corvid::app
