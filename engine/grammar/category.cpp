#include "engine/grammar/category.h"
