#ifndef TARVOLO_CONVERSION_GPC_ACCOUNT_FIELD_H_
#define TARVOLO_CONVERSION_GPC_ACCOUNT_FIELD_H_

namespace tarvolo {

// Replaces an account text by its 16-character account field: zeros in
// front up to 16 characters; characters are neither checked nor reordered.
// `text` must hold kAccountFieldBuffer bytes; a text of 16 characters or more
// stays as it is, cut to kAccountFieldBuffer - 1 characters. Returns 1.
constexpr int kAccountFieldBuffer = 20;
int FormatAccountField(char* text);

}  // namespace tarvolo

#endif  // TARVOLO_CONVERSION_GPC_ACCOUNT_FIELD_H_
