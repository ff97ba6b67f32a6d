#include "help/helptext.h"

#include "engine/cp1250.h"

std::string helpCaption() { return cp1250::w1250("Nápověda"); }
