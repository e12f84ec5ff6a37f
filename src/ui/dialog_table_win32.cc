#include "ui/dialog_table.h"

#include "settings/account_settings.h"
#include "ui/dialog_proc.h"
#include "ui/handlers.h"
#include "ui/resources/resource_ids.h"

namespace tarvolo {

const ChoiceText ChoiceTexts[kChoiceTextCount] = {""};

HINSTANCE g_instance = nullptr;

ControlBinding g_mainBindings[] = {
    {IDC_EXPORT, BindKind::Button, 0, nullptr, nullptr, StatementExport, nullptr},
    {IDC_SELECT_FILES, BindKind::Button, 0, nullptr, nullptr, OnSelectFiles, nullptr},
    {IDC_OPEN_SETTINGS, BindKind::Button, 0, nullptr, nullptr, OnOpenSettings, nullptr},
    {IDC_OPENING_BALANCE, BindKind::Text, 0, nullptr, g_accountSettings.openingBalance, nullptr,
     nullptr},
    {IDC_STATEMENT_NUMBER, BindKind::Number, 0, nullptr, &g_accountSettings.statementNumber,
     nullptr, nullptr},
    {IDC_BALANCE_DATE, BindKind::Date, 0, nullptr, &g_accountSettings.balanceDate, nullptr,
     nullptr},
    {IDC_CLOSE_PROGRAM, BindKind::Button, 0, nullptr, nullptr, CloseDialog, nullptr},
    {0, BindKind{0}, 0, nullptr, nullptr, nullptr, nullptr},
};

// The settings dialog's two edits are moved by its own handlers.
ControlBinding g_settingsBindings[] = {
    {IDC_SAVE_SETTINGS, BindKind::Button, 0, nullptr, nullptr, OnSaveSettings, nullptr},
    {IDC_CANCEL_SETTINGS, BindKind::Button, 0, nullptr, nullptr, CloseDialog, nullptr},
    {0, BindKind{0}, 0, nullptr, nullptr, nullptr, nullptr},
};

DialogSlot g_dialogTable[kDialogCount + 1] = {
    {nullptr, 0, IDD_MAIN, OnMainOpen, OnMainClose, g_mainBindings},
    {nullptr, 0, IDD_SETTINGS, OnSettingsOpen, OnSettingsClose, g_settingsBindings},
    {nullptr, 0, 0, nullptr, nullptr, nullptr},
};

DialogSlot* FindSlot(HWND window) {
  if (window == nullptr) return nullptr;
  for (DialogSlot* slot = g_dialogTable; slot->templateId != 0; ++slot) {
    if (slot->window == window) return slot;
  }
  return nullptr;
}

ControlBinding* FindBinding(DialogSlot* slot, int32_t controlId) {
  for (ControlBinding* binding = slot->bindings; binding->controlId != 0; ++binding) {
    if (binding->controlId == controlId) return binding;
  }
  return nullptr;
}

}  // namespace tarvolo
