#include "quorrin/markup_text.hpp"

#include <gtest/gtest.h>

namespace league::quorrin {
namespace {

TEST(MarkupText, MarkupCharactersBecomeReferencesAndOtherBytesStay) {
    const struct {
        std::string text;
        std::string markup;
    } cases[] = {
        {"Ottavio Ruscelli", "Ottavio Ruscelli"},
        {"<b>Bo & \"Ace\"</b>", "&lt;b&gt;Bo &amp; &quot;Ace&quot;&lt;/b&gt;"},
        {"&amp;", "&amp;amp;"},
        {"J\xF6rg 'Ren'\r\nner", "J\xF6rg 'Ren'\r\nner"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(markupText(c.text), c.markup) << c.text;
    }
}

}  // namespace
}  // namespace league::quorrin
