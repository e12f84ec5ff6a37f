#ifndef TARVOLO_UI_DIALOG_LAYOUT_H_
#define TARVOLO_UI_DIALOG_LAYOUT_H_

#include <windows.h>

namespace tarvolo {

// Fits a dialog that has just been made to what its controls need at the
// dialog's font and the screen's scale, which the template can only guess:
// each month calendar gets the room it asks for and the dialog grows around
// it, each label gets the width of its text, a dialog wider than the work
// area of its monitor takes the width from its log pane first, and the
// dialog is moved into that work area.
void LayOutDialog(HWND dialog);

}  // namespace tarvolo

#endif  // TARVOLO_UI_DIALOG_LAYOUT_H_
