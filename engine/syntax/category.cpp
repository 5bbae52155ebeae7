#include "engine/syntax/category.h"
