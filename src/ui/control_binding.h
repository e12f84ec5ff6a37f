#ifndef TARVOLO_UI_CONTROL_BINDING_H_
#define TARVOLO_UI_CONTROL_BINDING_H_

#include <windows.h>

namespace tarvolo {

// Characters taken from a Number control and from a Text control.
constexpr int kNumberReadLimit = 5;
constexpr int kTextReadLimit = 15;

// Shows the bound data in the controls of `window`. False when the window is
// no open dialog with a binding table.
bool LoadControls(HWND window);

// Takes the controls' values of `window` into the bound data. 0 when the
// window is no open dialog with a binding table, else 1.
int StoreControls(HWND window);

}  // namespace tarvolo

#endif  // TARVOLO_UI_CONTROL_BINDING_H_
