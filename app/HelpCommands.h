#pragma once

#include "dictionaries/UserInterface.h"

#include <QStringList>

namespace corvid::app {

// Help Topics: the first help file beside the program that opens, in the
// order of the current language; a message box when none does.
void ShowHelpTopics(IUserInterface& ui);
// Revision History: the same with the revision history documents.
void ShowRevisionHistory(IUserInterface& ui);

// The files tried, in order, for a language. Each ".chm" help file is
// followed by the same name with ".html", which every desktop can show.
QStringList HelpFileNames(int languageId);
QStringList RevisionHistoryNames(int languageId);

} // namespace corvid::app
