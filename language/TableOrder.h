#pragma once

// Whether a table indexed by an enumeration holds one row per value, in the
// enumeration's order: the catalogue's tables of texts, and the window's
// tables of pages, side-bar actions and preferences, check it with a
// static_assert, so a row added out of place fails to build.

#include <array>
#include <cstddef>

template <typename Row, std::size_t N, typename Key>
constexpr bool rowsInEnumOrder(const std::array<Row, N> &rows, Key Row::*key)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(rows[i].*key) != i)
            return false;
    }
    return true;
}
