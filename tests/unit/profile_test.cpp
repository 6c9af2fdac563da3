// Profile files as parameter files and printer.ini use them.
#include "base/profile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Profile, EveryLineEndReadsAlikeAndTheFirstOfDuplicatesCounts) {
  for (const std::string end : {"\n", "\r", "\r\n", "\n\r"}) {
    std::string text = "[Parms]|Fixed=1|fixed=2|[PARMS]|TxtX=3|[Other]|TxtY=4";
    for (size_t at; (at = text.find('|')) != std::string::npos;) text.replace(at, 1, end);
    const base::Profile p(text);
    // Names match without case; keys of a later same-named section, another or other names: not.
    EXPECT_EQ(p.Get("parms", "FIXED", "", 21) + p.Get("Parms", "TxtX", "d", 21) +
                  p.Get("Parms", "TxtY", "d", 21) + p.Get("Other", "TxtY", "d", 21) +
                  p.Get("Parms", "Mixed", "d", 21),
              "1dd4d");
  }
}

}  // namespace
