// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <type_traits>
#include <utility>
#include <variant>

// The types of the members of a window's struct of handles, read from the struct itself, so that the forms keep no
// list of the kinds of control: the members are counted by brace-initialising the struct with as many values as it
// takes, and named by a structured binding of that many members.
namespace platform::design {

template<class... T> struct TypeList {
};

// A value of any member's type, where nothing is evaluated.
struct AnyMember {
    template<class T> operator T() const;
};

template<class Handles, class... Members> consteval std::size_t memberCount()
{
    if constexpr (requires { Handles{Members{}..., AnyMember{}}; })
        return memberCount<Handles, Members..., AnyMember>();
    else
        return sizeof...(Members);
}

inline constexpr std::size_t MaxHandles = 16;

// Only its type is used: the struct is never read.
// clang-format off
template<class H> auto memberTypes(H &h)
{
    constexpr std::size_t n = memberCount<H>();
    static_assert(n >= 1 && n <= MaxHandles, "a struct of handles holds 1 to 16 members; more need a line below");
    if constexpr (n == 1) { auto &[a] = h; return TypeList<decltype(a)>{}; }
    else if constexpr (n == 2) { auto &[a, b] = h; return TypeList<decltype(a), decltype(b)>{}; }
    else if constexpr (n == 3) { auto &[a, b, c] = h; return TypeList<decltype(a), decltype(b), decltype(c)>{}; }
    else if constexpr (n == 4) { auto &[a, b, c, d] = h; return TypeList<decltype(a), decltype(b), decltype(c), decltype(d)>{}; }
    else if constexpr (n == 5) { auto &[a, b, c, d, e] = h; return TypeList<decltype(a), decltype(b), decltype(c), decltype(d), decltype(e)>{}; }
    else if constexpr (n == 6) { auto &[a, b, c, d, e, f] = h; return TypeList<decltype(a), decltype(b), decltype(c), decltype(d), decltype(e), decltype(f)>{}; }
    else if constexpr (n == 7) { auto &[a, b, c, d, e, f, g] = h; return TypeList<decltype(a), decltype(b), decltype(c), decltype(d), decltype(e), decltype(f), decltype(g)>{}; }
    else if constexpr (n == 8) { auto &[a, b, c, d, e, f, g, i] = h; return TypeList<decltype(a), decltype(b), decltype(c), decltype(d), decltype(e), decltype(f), decltype(g), decltype(i)>{}; }
    else if constexpr (n == 9) { auto &[a, b, c, d, e, f, g, i, j] = h; return TypeList<decltype(a), decltype(b), decltype(c), decltype(d), decltype(e), decltype(f), decltype(g), decltype(i), decltype(j)>{}; }
    else if constexpr (n == 10) { auto &[a, b, c, d, e, f, g, i, j, k] = h; return TypeList<decltype(a), decltype(b), decltype(c), decltype(d), decltype(e), decltype(f), decltype(g), decltype(i), decltype(j), decltype(k)>{}; }
    else if constexpr (n == 11) { auto &[a, b, c, d, e, f, g, i, j, k, l] = h; return TypeList<decltype(a), decltype(b), decltype(c), decltype(d), decltype(e), decltype(f), decltype(g), decltype(i), decltype(j), decltype(k), decltype(l)>{}; }
    else if constexpr (n == 12) { auto &[a, b, c, d, e, f, g, i, j, k, l, m] = h; return TypeList<decltype(a), decltype(b), decltype(c), decltype(d), decltype(e), decltype(f), decltype(g), decltype(i), decltype(j), decltype(k), decltype(l), decltype(m)>{}; }
    else if constexpr (n == 13) { auto &[a, b, c, d, e, f, g, i, j, k, l, m, o] = h; return TypeList<decltype(a), decltype(b), decltype(c), decltype(d), decltype(e), decltype(f), decltype(g), decltype(i), decltype(j), decltype(k), decltype(l), decltype(m), decltype(o)>{}; }
    else if constexpr (n == 14) { auto &[a, b, c, d, e, f, g, i, j, k, l, m, o, p] = h; return TypeList<decltype(a), decltype(b), decltype(c), decltype(d), decltype(e), decltype(f), decltype(g), decltype(i), decltype(j), decltype(k), decltype(l), decltype(m), decltype(o), decltype(p)>{}; }
    else if constexpr (n == 15) { auto &[a, b, c, d, e, f, g, i, j, k, l, m, o, p, q] = h; return TypeList<decltype(a), decltype(b), decltype(c), decltype(d), decltype(e), decltype(f), decltype(g), decltype(i), decltype(j), decltype(k), decltype(l), decltype(m), decltype(o), decltype(p), decltype(q)>{}; }
    else { auto &[a, b, c, d, e, f, g, i, j, k, l, m, o, p, q, r] = h; return TypeList<decltype(a), decltype(b), decltype(c), decltype(d), decltype(e), decltype(f), decltype(g), decltype(i), decltype(j), decltype(k), decltype(l), decltype(m), decltype(o), decltype(p), decltype(q), decltype(r)>{}; }
}
// clang-format on

// The list without repeats, in the order of first appearance.
template<class Seen, class... Rest> struct Distinct {
    using Type = Seen;
};
template<class... Seen, class First, class... Rest> struct Distinct<TypeList<Seen...>, First, Rest...> {
    using Type = typename std::conditional_t<(std::is_same_v<First, Seen> || ...), Distinct<TypeList<Seen...>, Rest...>,
                                             Distinct<TypeList<Seen..., First>, Rest...>>::Type;
};

template<class Handles, class List> struct MemberPointers;
template<class Handles, class... T> struct MemberPointers<Handles, TypeList<T...>> {
    using Type = std::variant<T Handles::*...>;
};

template<class Handles, class List> struct DistinctMemberPointers;
template<class Handles, class... T> struct DistinctMemberPointers<Handles, TypeList<T...>> {
    using Type = typename MemberPointers<Handles, typename Distinct<TypeList<>, T...>::Type>::Type;
};

// A pointer to any one member of the struct of handles: one alternative for each type its members have.
template<class Handles>
using AnyMemberOf = typename DistinctMemberPointers<Handles, decltype(memberTypes(std::declval<Handles &>()))>::Type;

} // namespace platform::design
