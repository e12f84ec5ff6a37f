// The cases of generated statements that today's reader gets wrong. Each
// must still fail on at least one seed, so that a fix shows and its line
// goes; no other case may fail.
#ifndef TARVOLO_TESTS_GENERATOR_KNOWN_FAILURES_H_
#define TARVOLO_TESTS_GENERATOR_KNOWN_FAILURES_H_

#include <vector>

namespace tarvolo {

struct KnownFailure {
  const char* layout;  // "*" for every layout
  const char* what;    // a variation or a mutation
};

extern const std::vector<KnownFailure> kKnownFailures;

// The entry that covers a case, or null.
const KnownFailure* KnownFailureOf(const char* layout, const char* what);

}  // namespace tarvolo

#endif  // TARVOLO_TESTS_GENERATOR_KNOWN_FAILURES_H_
