#include "ui/control_binding.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "conversion/values/fixed_width.h"
#include "settings/account_settings.h"
#include "settings/bounded_text.h"
#include "settings/parse_digits.h"
#include "ui/calendar_date.h"
#include "ui/dialog_table.h"

namespace tarvolo {
namespace {

// The text datum of the program, openingBalance, is the widest text field
// a binding may point at.
constexpr size_t kTextDatumSize = sizeof AccountSettings().openingBalance;
static_assert(kTextDatumSize >= kTextReadLimit + 1, "a stored text fits its datum");

int32_t ReadInteger(const ControlBinding& binding) {
  switch (binding.width) {
    case 0: {
      int32_t value;
      std::memcpy(&value, binding.data, sizeof value);
      return value;
    }
    case 1:
      return *static_cast<const int8_t*>(binding.data);
    default:
      return 0;
  }
}

void WriteInteger(const ControlBinding& binding, int32_t value) {
  switch (binding.width) {
    case 0:
      std::memcpy(binding.data, &value, sizeof value);
      break;
    case 1:
      *static_cast<int8_t*>(binding.data) = static_cast<int8_t>(value);
      break;
    default:
      break;
  }
}

LRESULT Send(HWND window, const ControlBinding& binding, UINT message, WPARAM wParam,
             LPARAM lParam) {
  return SendDlgItemMessageA(window, binding.controlId, message, wParam, lParam);
}

void AddChoices(HWND window, const ControlBinding& binding) {
  for (const int32_t* index = binding.choices; *index > 0; ++index) {
    // Indices past the table have no text to show.
    if (*index >= kChoiceTextCount) continue;
    Send(window, binding, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ChoiceTexts[*index]));
  }
}

}  // namespace

bool LoadControls(HWND window) {
  DialogSlot* slot = FindSlot(window);
  if (slot == nullptr || slot->bindings == nullptr) return false;
  for (ControlBinding* binding = slot->bindings; binding->controlId != 0; ++binding) {
    switch (binding->kind) {
      case BindKind::CheckBox:
        Send(window, *binding, BM_SETCHECK, static_cast<WPARAM>(ReadInteger(*binding)), 0);
        break;
      case BindKind::ComboBox:
        if (binding->choices == nullptr) break;
        AddChoices(window, *binding);
        Send(window, *binding, CB_SETCURSEL, static_cast<WPARAM>(ReadInteger(*binding)), 0);
        break;
      case BindKind::Number: {
        std::string text;
        Render(text, "%d", {ReadInteger(*binding)});
        Send(window, *binding, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        break;
      }
      case BindKind::Text: {
        // A text datum is a field of the profile, which a settings file made
        // elsewhere may fill to its end without a NUL: never read past it.
        char text[kTextDatumSize + 1];
        const char* datum = static_cast<const char*>(binding->data);
        CopyBoundedText(text, datum, strnlen(datum, kTextDatumSize));
        Send(window, *binding, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        break;
      }
      case BindKind::Date: {
        int32_t stored;
        std::memcpy(&stored, binding->data, sizeof stored);
        ShowCalendarDate(stored, window);
        break;
      }
      default:
        break;
    }
  }
  return true;
}

int StoreControls(HWND window) {
  DialogSlot* slot = FindSlot(window);
  if (slot == nullptr || slot->bindings == nullptr) return 0;
  for (ControlBinding* binding = slot->bindings; binding->controlId != 0; ++binding) {
    switch (binding->kind) {
      case BindKind::CheckBox:
        WriteInteger(*binding, static_cast<int32_t>(Send(window, *binding, BM_GETCHECK, 0, 0)));
        break;
      case BindKind::ComboBox:
        WriteInteger(*binding, static_cast<int32_t>(Send(window, *binding, CB_GETCURSEL, 0, 0)));
        break;
      case BindKind::Number: {
        char text[kNumberReadLimit + 1] = {};
        Send(window, *binding, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        text[kNumberReadLimit] = '\0';
        WriteInteger(*binding, ParseDigits(text));
        break;
      }
      case BindKind::Text: {
        char text[kTextReadLimit + 1] = {};
        Send(window, *binding, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        // Over the start of the datum, whatever its size beyond that.
        CopyBoundedText(static_cast<char*>(binding->data), sizeof text, text,
                        strnlen(text, sizeof text));
        break;
      }
      case BindKind::Date: {
        int32_t stored = ReadCalendarDate(window);
        std::memcpy(binding->data, &stored, sizeof stored);
        break;
      }
      default:
        break;
    }
  }
  return 1;
}

}  // namespace tarvolo
