#include "app/ChildFrame.h"
