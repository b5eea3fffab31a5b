#pragma once
// The name of a resource or resource type: a string as stored (UTF-16) or a numeric id.

#include <compare>
#include <cstdint>
#include <string>

namespace zorvane {

struct ResourceName {
    bool named = false;
    std::u16string text;   // when named
    std::uint32_t id = 0;  // when not named

    static ResourceName Id(std::uint32_t id) { return {false, {}, id}; }
    static ResourceName Named(std::u16string text) { return {true, std::move(text), 0}; }

    // The string in UTF-8, or the id in decimal.
    std::string ToUtf8() const;
    bool operator==(const ResourceName&) const = default;
    // Any fixed order will do: it lets a module's names be sorted and searched by halves.
    auto operator<=>(const ResourceName&) const = default;
};

}  // namespace zorvane
