// Names for screen readers that follow from what the window shows: a
// control that a label captions (its buddy) is named by the label's text.
#pragma once

class QWidget;

namespace kolvaro::ui {

// Every buddy of a label below wurzel gets the label's text as accessible
// name ("&Werteingabe:" names its field "Werteingabe"), unless its code gave
// it a name of its own. Called again after captions changed, it follows them.
void NamenAusBeschriftungen(QWidget* wurzel);

}  // namespace kolvaro::ui
