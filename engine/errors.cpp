// The program-wide status word and the bubble texts of the engine's codes.
#include <array>

#include "engine/cp1250.h"
#include "engine/engine.h"

int32_t errorCode = 0;

namespace {

std::array<MessageLines, 15> buildTable() {
    using cp1250::w1250;
    const std::string first = w1250("Chyba v počítání.");
    std::array<MessageLines, 15> t{};
    t[BAD_NUMBER - 1] = {first, w1250("Chybný zápis"), w1250("čísla.")};
    t[UNMATCHED_PARENTHESIS - 1] = {first, w1250("Špatné závorky."), ""};
    t[POWER_FAILED - 1] = {first, w1250("Chyba v mocnění."), ""};
    t[DIVISION_BY_ZERO - 1] = {first, w1250("Pokus o dělení"), w1250("nulou.")};
    t[SYNTAX_ERROR - 1] = {first, w1250("Chyba syntaxe"), w1250("zápisu.")};
    t[TEXT_TOO_LONG - 1] = {first, w1250("Vnitřní chyba."), ""};
    t[TWO_UNKNOWNS - 1] = {first, w1250("Dvě neznámé."), ""};
    t[NO_UNKNOWN - 1] = {first, w1250("Není nenznáma"), ""};
    t[NO_EQUALS_SIGN - 1] = {first, w1250("V rovnice není"), w1250("rovná se.")};
    t[SIDES_DIFFER - 1] = {first, "", ""};
    t[MISSING_OPERAND - 1] = {first, w1250("Zřejmě ve zlomku."), ""};
    return t;
}

}  // namespace

const MessageLines& messageTable(int code) {
    static const std::array<MessageLines, 15> table = buildTable();
    static const MessageLines none{};
    if (code < 1 || code > 15) return none;
    return table[static_cast<std::size_t>(code - 1)];
}
