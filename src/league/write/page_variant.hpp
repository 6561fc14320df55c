#pragma once
// The variants of a League page: the page itself, linked to the season's other pages,
// or the same content as a fragment that an admin pastes into a website, without
// links; full width or narrow.

namespace league::season {

struct PageVariant {
    enum class Form { Page, Fragment };
    enum class Width {
        Full,
        /// Fits a column of 1000 pixels; the wider tables scroll in their own box.
        Narrow,
    };
    Form form = Form::Page;
    Width width = Width::Full;

    /// The fragment has no html, head or body element of its own.
    bool isFragment() const { return form == Form::Fragment; }
    /// A page links to the other pages of the season; a fragment pasted elsewhere has no
    /// links.
    bool hasLinks() const { return form == Form::Page; }
};

/// The full-width page and its fragment.
inline constexpr PageVariant kPage{};
inline constexpr PageVariant kFragment{PageVariant::Form::Fragment};

}  // namespace league::season
