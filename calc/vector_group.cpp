#include "calc/vector_group.h"

#include <cctype>

namespace calc {

namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Reads one winding's letter and optional neutral at pos.
std::optional<Winding> read_winding(std::string_view text, std::size_t &pos, bool &neutral) {
    if (pos >= text.size())
        return std::nullopt;
    std::optional<Winding> winding;
    switch (lower(text[pos])) {
    case 'y':
        winding = Winding::star;
        break;
    case 'd':
        winding = Winding::delta;
        break;
    case 'z':
        winding = Winding::zigzag;
        break;
    default:
        return std::nullopt;
    }
    ++pos;
    neutral = pos < text.size() && lower(text[pos]) == 'n';
    if (neutral)
        ++pos;
    return winding;
}

bool takes_even(Winding first, Winding second) {
    const bool delta_zigzag = (first == Winding::delta && second == Winding::zigzag) ||
                              (first == Winding::zigzag && second == Winding::delta);
    return first == second || delta_zigzag;
}

GroupParse refused(GroupError error, std::size_t position) {
    return {std::nullopt, error, position};
}

} // namespace

GroupParse parse_vector_group(std::string_view text) {
    const auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    std::size_t pos = 0;
    while (pos < text.size() && space(text[pos]))
        ++pos;
    std::size_t end = text.size();
    while (end > pos && space(text[end - 1]))
        --end;
    text = text.substr(0, end);
    if (pos == end)
        return refused(GroupError::empty, pos);

    VectorGroup g;
    const std::size_t first_at = pos;
    const auto first = read_winding(text, pos, g.first_neutral);
    if (!first)
        return refused(GroupError::first_winding, first_at);
    if (*first == Winding::delta && g.first_neutral)
        return refused(GroupError::delta_neutral, pos - 1);
    const std::size_t second_at = pos;
    const auto second = read_winding(text, pos, g.second_neutral);
    if (!second)
        return refused(GroupError::second_winding, second_at);
    if (*second == Winding::delta && g.second_neutral)
        return refused(GroupError::delta_neutral, pos - 1);
    g.first = *first;
    g.second = *second;

    const std::size_t clock_at = pos;
    int clock = 0;
    while (pos < text.size() && pos - clock_at < 3 &&
           std::isdigit(static_cast<unsigned char>(text[pos])))
        clock = clock * 10 + (text[pos++] - '0');
    if (pos == clock_at)
        return refused(GroupError::clock_missing, clock_at);
    if (clock > 11 || pos - clock_at > 2)
        return refused(GroupError::clock_range, clock_at);
    if (pos != text.size())
        return refused(GroupError::trailing, pos);
    if ((clock % 2 == 0) != takes_even(g.first, g.second))
        return refused(GroupError::clock_parity, clock_at);
    g.clock = clock;
    return {g, GroupError::none, 0};
}

std::string canonical_text(const VectorGroup &g) {
    const auto letter = [](Winding w) {
        return w == Winding::star ? 'Y' : w == Winding::delta ? 'D' : 'Z';
    };
    std::string out(1, letter(g.first));
    if (g.first_neutral)
        out += 'N';
    out += lower(letter(g.second));
    if (g.second_neutral)
        out += 'n';
    return out + std::to_string(g.clock);
}

PhaseSet through_transformer(const PhaseSet &first_winding, const VectorGroup &g) {
    const double turn = g.clock * pi / 6;
    const auto turned = [](Phasor z, double by) { return phasor(std::abs(z), std::arg(z) + by); };
    const Three &s = first_winding.sequences;
    const bool grounded_pair = g.first == Winding::star && g.first_neutral &&
                               g.second == Winding::star && g.second_neutral;
    Phasor zero{};
    if (grounded_pair && g.clock == 0)
        zero = s[0];
    else if (grounded_pair && g.clock == 6)
        zero = -s[0];
    PhaseSet out = phase_set_of_sequences({zero, turned(s[1], -turn), turned(s[2], turn)});
    out.resolution += first_winding.resolution;
    return out;
}

} // namespace calc
