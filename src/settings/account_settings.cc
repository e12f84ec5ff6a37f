#include "settings/account_settings.h"

namespace tarvolo {

AccountSettings g_accountSettings = {};

}  // namespace tarvolo
