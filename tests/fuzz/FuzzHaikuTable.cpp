// The commentary targets build their haiku tables themselves (CHaikuTable::AddHaiku),
// so they need none of the generated collection.
#include "haiku/BuiltinHaiku.h"

const BuiltinHaiku kBuiltinHaiku[] = {{"a", "b", "c", 1890}};
const int kBuiltinHaikuCount = 1;
