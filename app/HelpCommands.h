#pragma once

class QWidget;

namespace corvid::app {

// Help Topics: the first help file beside the program that opens.
void ShowHelpTopics(QWidget* parent);
// Revision History: the first revision history document that opens.
void ShowRevisionHistory(QWidget* parent);
void ShowAbout(QWidget* parent);

} // namespace corvid::app
