#ifndef TARVOLO_UI_DIALOG_TABLE_H_
#define TARVOLO_UI_DIALOG_TABLE_H_

#include <windows.h>

#include <cstdint>

namespace tarvolo {

// What a control is bound to, and so how its value moves.
enum class BindKind : int32_t {
  CheckBox = 1,  // check state <-> integer
  ComboBox = 2,  // selected item <-> integer
  Number = 4,    // decimal text <-> integer
  Button = 5,    // clicks call onClick
  Text = 8,      // text <-> NUL-terminated text of at least 16 bytes
  Date = 9,      // calendar 1012's day <-> stored timestamp
};

struct ControlBinding;
using WindowHandler = int (*)(HWND window);
using ControlHandler = int (*)(HWND window, ControlBinding* binding);

// One control of a dialog tied to a datum or a click handler. A row with
// controlId 0 ends a binding table.
struct ControlBinding {
  int32_t controlId;
  BindKind kind;
  int32_t width;           // integer data: 0 = 32 bits, 1 = 8 bits, else none
  const int32_t* choices;  // ComboBox: ChoiceTexts indices ended by one <= 0
  void* data;
  ControlHandler onClick;
  // Notification code 2, which a combo box or list box sends for a double
  // click in its list.
  ControlHandler onNotify2;
};

// One dialog of the program. A row with templateId 0 ends the table.
struct DialogSlot {
  HWND window;      // set while the dialog is open
  int32_t endCode;  // what its modal run ends with
  int32_t templateId;
  WindowHandler onOpen;
  WindowHandler onClose;
  ControlBinding* bindings;
};

// Texts of combo-box items, addressed by positive index. The program defines
// none; entry 0 is never used.
constexpr int kChoiceTextSize = 88;
constexpr int kChoiceTextCount = 1;
using ChoiceText = char[kChoiceTextSize];
extern const ChoiceText ChoiceTexts[kChoiceTextCount];

constexpr int kMainSlot = 0;
constexpr int kSettingsSlot = 1;
constexpr int kDialogCount = 2;

// The two dialogs and the end row.
extern DialogSlot g_dialogTable[kDialogCount + 1];
extern ControlBinding g_mainBindings[];
extern ControlBinding g_settingsBindings[];

// The program's module, from which dialogs and the icon are loaded.
extern HINSTANCE g_instance;

// The open dialog whose window is `window`; null for none (and for a null
// window, which would otherwise match every closed dialog).
DialogSlot* FindSlot(HWND window);

// The binding of `controlId` in the slot's table; null for none.
ControlBinding* FindBinding(DialogSlot* slot, int32_t controlId);

}  // namespace tarvolo

#endif  // TARVOLO_UI_DIALOG_TABLE_H_
