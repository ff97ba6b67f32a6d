#include "session/sessionstate.h"

AreaStatistics& statisticsOf(SessionState& session, int32_t code) {
    return session.areaStatistics[static_cast<std::size_t>(areaIndexOf(code))];
}
