#include "ui/dialog_proc.h"

#include "ui/dialog_layout.h"
#include "ui/file_selection.h"
#include "ui/resources/resource_ids.h"

namespace tarvolo {
namespace {

// Notification codes of WM_COMMAND: a button's click, and a double click in
// a combo box's list (the code that list boxes send for it too).
constexpr WORD kClicked = BN_CLICKED;
constexpr WORD kDoubleClicked = CBN_DBLCLK;

void OnCommand(HWND window, WORD controlId, WORD code) {
  if (code != kClicked && code != kDoubleClicked) return;
  DialogSlot* slot = FindSlot(window);
  if (slot == nullptr || slot->bindings == nullptr) return;
  ControlBinding* binding = FindBinding(slot, controlId);
  if (binding == nullptr) return;
  if (code == kDoubleClicked) {
    if (binding->onNotify2 != nullptr) binding->onNotify2(window, binding);
    return;
  }
  if (binding->onClick == nullptr) return;
  if (binding->kind == BindKind::CheckBox) {
    if (binding->onClick(window, binding) == 0) {
      SendDlgItemMessageA(window, controlId, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  } else if (binding->kind == BindKind::Button) {
    binding->onClick(window, binding);
  }
}

void OnInitDialog(HWND window, LPARAM slotIndex) {
  if (slotIndex < 0 || slotIndex >= kDialogCount) return;
  DialogSlot& slot = g_dialogTable[slotIndex];
  slot.window = window;
  HICON icon = LoadIconA(g_instance, MAKEINTRESOURCEA(IDI_TARVOLO));
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  if (slot.onOpen != nullptr) slot.onOpen(window);
  LayOutDialog(window);
  ShowWindow(window, SW_SHOW);
}

}  // namespace

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      CloseDialog(window);
      return 1;
    case WM_INITDIALOG:
      OnInitDialog(window, lParam);
      return 1;
    case WM_COMMAND:
      OnCommand(window, LOWORD(wParam), HIWORD(wParam));
      return 1;
    case WM_DROPFILES:
      // Only the main dialog accepts files; it has the log pane.
      if (window == g_dialogTable[kMainSlot].window) {
        OnDropFiles(window, reinterpret_cast<HDROP>(wParam));
      } else {
        DragFinish(reinterpret_cast<HDROP>(wParam));
      }
      return 1;
    default:
      return 0;
  }
}

void OpenDialog(int slotIndex) {
  if (slotIndex < 0 || slotIndex >= kDialogCount) return;
  DialogSlot& slot = g_dialogTable[slotIndex];
  if (slot.window != nullptr) {
    ShowWindow(slot.window, SW_SHOW);
    SetForegroundWindow(slot.window);
    return;
  }
  slot.endCode = slotIndex;
  DialogBoxParamA(g_instance, MAKEINTRESOURCEA(slot.templateId), nullptr, DialogProc, slotIndex);
}

int CloseDialog(HWND window, ControlBinding*) {
  DialogSlot* slot = FindSlot(window);
  if (slot == nullptr) return 1;
  if (slot->onClose != nullptr) slot->onClose(slot->window);
  EndDialog(slot->window, slot->endCode);
  slot->window = nullptr;
  return 1;
}

}  // namespace tarvolo
