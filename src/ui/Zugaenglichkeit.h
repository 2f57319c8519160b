// Names for screen readers that follow from what the window shows: a
// control that a label captions (its buddy) is named by the label's text, a
// label that shows a value reads as caption and value, and a selection box
// says its own name, its current entry being its value.
#pragma once

class QLabel;
class QString;
class QWidget;

namespace kolvaro::ui {

// Lets every selection box of the program say its own name (its accessible
// name, which its caption gives it) instead of its current entry, which some
// desktops otherwise read as the name. Needs the application object; a
// second call does nothing. Every window calls it before it builds controls.
void ZugaenglichkeitEinrichten();

// Every buddy of a label below wurzel gets the label's text as accessible
// name ("&Werteingabe:" names its field "Werteingabe"), unless its code gave
// it a name of its own. Called again after captions changed, it follows them.
// Value labels (AlsWertLesen) keep reading caption and value.
void NamenAusBeschriftungen(QWidget* wurzel);

// The label wert shows a value (a result, a detail of the selection) and is
// read as its caption followed by the value ("Molmasse in g/mol: 18,015"),
// whenever and however its text changes; while it is empty, as the caption
// alone. The caption is the text that the label beschriftung shows at the
// time of reading, or a fixed text.
void AlsWertLesen(QLabel* wert, QLabel* beschriftung);
void AlsWertLesen(QLabel* wert, const QString& beschriftung);

}  // namespace kolvaro::ui
