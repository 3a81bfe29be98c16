// arrivaltext.cpp: writing and reading the word of how a state was reached.
#include "arrivaltext.h"

#include <algorithm>

#include "savedline.h"

namespace varn {

namespace {

std::uint8_t actionByte(std::string_view text) {
    const auto code = number<unsigned>(text, "action");
    if (code >= PlayerAction::kCount)
        throw SavedFormatError("action " + excerpt(text) + " is no action");
    return static_cast<std::uint8_t>(code);
}

}  // namespace

std::string arrivalText(const Arrival& arrival) {
    if (arrival.kind == Arrival::Kind::Start) return "@deal ";
    if (arrival.kind != Arrival::Kind::Action) return {};
    std::string text = '@' + std::to_string(arrival.action.action.code);
    for (const NestedAction& nested : arrival.action.nested)
        text += '.' + std::to_string(nested.moment) + ':' + std::to_string(nested.action.code);
    return text + ' ';
}

Arrival parseArrival(std::string_view& rest) {
    Arrival arrival;
    if (!rest.starts_with('@')) return arrival;
    const std::size_t blank = std::min(rest.find(' '), rest.size());
    std::string_view how = rest.substr(1, blank - 1);
    rest.remove_prefix(std::min(blank + 1, rest.size()));
    if (how == "deal") return Arrival::of(Arrival::Kind::Start);
    arrival.kind = Arrival::Kind::Action;
    const std::size_t dot = std::min(how.find('.'), how.size());
    arrival.action.action.code = actionByte(how.substr(0, dot));
    for (how.remove_prefix(dot); !how.empty();) {
        how.remove_prefix(1);
        const std::size_t colon = std::min(how.find(':'), how.size());
        const std::size_t end = std::min(how.find('.'), how.size());
        if (colon >= end) throw SavedFormatError("an action inside another lacks its moment");
        arrival.action.nested.push_back({number<std::uint32_t>(how.substr(0, colon), "moment"),
                                         {actionByte(how.substr(colon + 1, end - colon - 1))}});
        how.remove_prefix(end);
    }
    return arrival;
}

}  // namespace varn
